// The editor's "連絡先の取り込み..." and "連絡先の書き出し...": the page committed, a file chosen,
// the import window (and the column map for a table whose columns are not known) or the export,
// and the editor refreshed on the page it showed.
#pragma once

namespace mirelon {

class AddressEditorDialog;
class ProgramSettings;

void RunContactsImport(AddressEditorDialog& editor, ProgramSettings& settings);
void RunContactsExport(AddressEditorDialog& editor);

}  // namespace mirelon
