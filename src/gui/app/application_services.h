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

  PageToShow ReadFile(wxWindow* parent) override;
  void WriteFile(wxWindow* parent) override;
  bool OpenListWindow(std::function<wxWindow*()> reopenEditor) override;
  void RunOptionsDialog(wxWindow* parent) override;
  bool RunIndexDialog(wxWindow* parent, const SiblingProgramData& sibling) override;
  PageToShow LaunchQuelta(wxWindow* parent, SiblingProgramData& sibling, bool ctrlDown) override;
  void OpenHelp() override;
  std::optional<FoundFields> PostalSearch(const PageMembers& page, const SiblingProgramData& sibling) override;
  PageToShow ImportContacts(wxWindow* parent) override;
  void ExportContacts(wxWindow* parent) override;
  void ReadQueltaPath(SiblingProgramData& sibling) override;
  void ProbePostalData(SiblingProgramData& sibling) override;

  // The print set-up every printout of the run shares (made when first needed: it needs the
  // display the application opens).
  PrintSetup& Printing();

 private:
  AppState& state_;
  std::unique_ptr<PrintSetup> printing_;
};

}  // namespace mirelon
