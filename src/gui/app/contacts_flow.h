// The editor's "連絡先の取り込み..." and "連絡先の書き出し...", the page on display committed: a file
// chosen, the import window (and the column map for a table whose columns are not known) or the
// export. An import answers the page that keeps the record shown before on display.
#pragma once

#include "gui/editor/editor_services.h"

class wxWindow;

namespace mirelon {

class AddressBook;
class ProgramSettings;

// `parent`: the editor's window, over which the chooser and the windows open.
PageToShow RunContactsImport(wxWindow* parent, AddressBook& book, ProgramSettings& settings);
void RunContactsExport(wxWindow* parent, const AddressBook& book);

}  // namespace mirelon
