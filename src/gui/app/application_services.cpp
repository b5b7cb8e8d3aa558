#include "gui/app/application_services.h"

#include <wx/app.h>

#include "appcore/sibling_program.h"
#include "gui/app/contacts_flow.h"
#include "gui/app/help_page.h"
#include "gui/app/postal_search_flow.h"
#include "gui/app/quelta_launch.h"
#include "gui/cards/card_print_dialog.h"
#include "gui/dialogs/index_dialog.h"
#include "gui/dialogs/options_dialog.h"
#include "gui/editor/file_flows.h"
#include "gui/list/list_window.h"
#include "gui/list/main_frame.h"

namespace mirelon {

PageToShow ApplicationServices::ReadFile(wxWindow* parent) {
  return FileFlows(parent, state_.book, state_.settings).ReadFile();
}

void ApplicationServices::WriteFile(wxWindow* parent) { FileFlows(parent, state_.book, state_.settings).WriteFile(); }

void ApplicationServices::RunOptionsDialog(wxWindow* parent) { OptionsDialog(parent, state_.book, state_.settings).ShowModal(); }

bool ApplicationServices::RunIndexDialog(wxWindow* parent, const SiblingProgramData& sibling) {
  return IndexDialog(parent, state_.book, sibling.postalDataPath, sibling.postalDataUnicode,
                     state_.settings.Switches().toolTipCtrl)
             .ShowModal() == wxID_OK;
}

PrintSetup& ApplicationServices::Printing() {
  if (!printing_) printing_ = std::make_unique<PrintSetup>();
  return *printing_;
}

// The frame becomes the main window before the editor's window goes, so the program never runs
// without one; when it has closed, the editor is the main window again, on the book's currentPage.
bool ApplicationServices::OpenListWindow(std::function<wxWindow*()> reopenEditor) {
  wxWindow* frame = mirelon::OpenListWindow({state_.book, state_.settings, Printing(),
                                             [reopenEditor] { wxTheApp->SetTopWindow(reopenEditor()); },
                                             [this](wxWindow* parent) {
                                               RunCardPrintDialog(parent, {state_.book, state_.settings, Printing()});
                                             }});
  if (frame == nullptr) return false;
  wxTheApp->SetTopWindow(frame);
  return true;
}

PageToShow ApplicationServices::LaunchQuelta(wxWindow* parent, SiblingProgramData& sibling, bool ctrlDown) {
  return QueltaLaunch(parent, state_.book, state_.settings, sibling).Run(ctrlDown);
}

void ApplicationServices::OpenHelp() { OpenInBrowser(ManualPage()); }

std::optional<FoundFields> ApplicationServices::PostalSearch(const PageMembers& page, const SiblingProgramData& sibling) {
  return RunPostalSearch(page, sibling, state_.settings);
}

PageToShow ApplicationServices::ImportContacts(wxWindow* parent) {
  return RunContactsImport(parent, state_.book, state_.settings);
}

void ApplicationServices::ExportContacts(wxWindow* parent) { RunContactsExport(parent, state_.book); }

void ApplicationServices::ReadQueltaPath(SiblingProgramData& sibling) { mirelon::ReadQueltaPath(state_.settings.Store(), sibling); }

void ApplicationServices::ProbePostalData(SiblingProgramData& sibling) { mirelon::ProbePostalData(sibling); }

}  // namespace mirelon
