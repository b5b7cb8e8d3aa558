// The editor's buttons whose work lives in other modules: file flows, list window, options and
// index dialogs, the sibling program, the help page and the postal search. The application fills
// the table in at start-up; an empty entry leaves its button without effect (the editor still
// commits the page first where its command needs the book up to date).
#pragma once

#include <functional>

#include "app/sibling_program_data.h"

class wxWindow;

namespace mirelon {

class AddressEditorDialog;

struct EditorCommands {
  std::function<void(AddressEditorDialog&)> readFile;   // 1001, the whole read flow
  std::function<void(AddressEditorDialog&)> writeFile;  // 1002, the whole write flow
  // 1000, after the editor committed and recorded the page: create the list frame as the main
  // window; false when it could not be created (the editor then keeps its window).
  std::function<bool(AddressEditorDialog&)> openListWindow;
  std::function<void(wxWindow* parent)> runOptionsDialog;  // 1003, modal; the editor does the rest
  // 1063, modal; true when it ended with OK (the chosen record is then the book's currentPage).
  std::function<bool(wxWindow* parent, const SiblingProgramData&)> runIndexDialog;
  std::function<void(AddressEditorDialog&, bool ctrlDown)> launchQuelta;  // 1172
  std::function<void(AddressEditorDialog&)> openHelp;                      // 1199
  std::function<void(AddressEditorDialog&)> postalSearch;                  // 1174
  // The sibling's path from the settings, and the postal data file's search order.
  std::function<void(SiblingProgramData&)> readQueltaPath;
  std::function<void(SiblingProgramData&)> probePostalData;
};

}  // namespace mirelon
