// Every command of the editor's buttons and window menu whose work lives elsewhere in the program:
// the file flows, the list window, the options and index windows, the sibling program, the help
// page, the postal search, the contacts import and export, and what the editor needs to know of
// the sibling program. The application implements it;
// GUI tests implement a fake that records the calls. The editor has already committed its page
// where a command needs the book up to date.
#pragma once

#include "appcore/sibling_program_data.h"

class wxWindow;

namespace mirelon {

class AddressEditorDialog;

class EditorServices {
 public:
  virtual ~EditorServices() = default;

  virtual void ReadFile(AddressEditorDialog& editor) = 0;   // 1001, the whole read flow
  virtual void WriteFile(AddressEditorDialog& editor) = 0;  // 1002, the whole write flow
  // 1000, after the editor recorded the page: create the list frame as the main window; false when
  // none was created (the editor then keeps its window).
  virtual bool OpenListWindow(AddressEditorDialog& editor) = 0;
  virtual void RunOptionsDialog(wxWindow* parent) = 0;  // 1003, modal; the editor refreshes afterwards
  // 1063, modal; true when it ended with OK (the chosen record is then the book's currentPage).
  virtual bool RunIndexDialog(wxWindow* parent, const SiblingProgramData& sibling) = 0;
  virtual void LaunchQuelta(AddressEditorDialog& editor, bool ctrlDown) = 0;  // 1172
  virtual void OpenHelp(AddressEditorDialog& editor) = 0;                      // 1199
  virtual void PostalSearch(AddressEditorDialog& editor) = 0;                  // 1174
  virtual void ImportContacts(AddressEditorDialog& editor) = 0;                // "連絡先の取り込み..."
  virtual void ExportContacts(AddressEditorDialog& editor) = 0;                // "連絡先の書き出し..."
  // The sibling's path from the settings, and the postal data file found by the search order.
  virtual void ReadQueltaPath(SiblingProgramData& sibling) = 0;
  virtual void ProbePostalData(SiblingProgramData& sibling) = 0;
};

}  // namespace mirelon
