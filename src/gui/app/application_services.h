// The program's side of the editor's buttons: the file flows and the options window, and the
// windows of the list, the index, the sibling program, the help page, the postal search and the
// contacts import and export.
#pragma once

#include <memory>

#include "appcore/app_state.h"
#include "gui/editor/editor_services.h"
#include "gui/kit/print_setup.h"

namespace mirelon {

class ApplicationServices final : public EditorServices {
 public:
  explicit ApplicationServices(AppState& state) : state_(state) {}

  void ReadFile(AddressEditorDialog& editor) override;
  void WriteFile(AddressEditorDialog& editor) override;
  bool OpenListWindow(AddressEditorDialog& editor) override;
  void RunOptionsDialog(wxWindow* parent) override;
  bool RunIndexDialog(wxWindow* parent, const SiblingProgramData& sibling) override;
  void LaunchQuelta(AddressEditorDialog& editor, bool ctrlDown) override;
  void OpenHelp(AddressEditorDialog& editor) override;
  void PostalSearch(AddressEditorDialog& editor) override;
  void ImportContacts(AddressEditorDialog& editor) override;
  void ExportContacts(AddressEditorDialog& editor) override;
  void ReadQueltaPath(SiblingProgramData& sibling) override;
  void ProbePostalData(SiblingProgramData& sibling) override;

  // The print set-up every printout of the run shares (made when first needed: it needs the
  // display the application opens).
  PrintSetup& Printing();

 private:
  // The list frame has closed: the editor is the main window again, on the book's currentPage.
  void ReturnToEditor(AddressEditorDialog& editor);

  AppState& state_;
  std::unique_ptr<PrintSetup> printing_;
};

}  // namespace mirelon
