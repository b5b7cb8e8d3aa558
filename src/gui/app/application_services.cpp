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
#include "gui/editor/address_editor_dialog.h"
#include "gui/editor/file_flows.h"
#include "gui/list/list_window.h"
#include "gui/list/main_frame.h"

namespace mirelon {

void ApplicationServices::ReadFile(AddressEditorDialog& editor) { FileFlows(editor, state_.settings).ReadFile(); }

void ApplicationServices::WriteFile(AddressEditorDialog& editor) { FileFlows(editor, state_.settings).WriteFile(); }

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
// without one.
bool ApplicationServices::OpenListWindow(AddressEditorDialog& editor) {
  wxWindow* frame = mirelon::OpenListWindow({state_.book, state_.settings, Printing(),
                                             [this, &editor] { ReturnToEditor(editor); },
                                             [this](wxWindow* parent) {
                                               RunCardPrintDialog(parent, {state_.book, state_.settings, Printing()});
                                             }});
  if (frame == nullptr) return false;
  wxTheApp->SetTopWindow(frame);
  return true;
}

void ApplicationServices::ReturnToEditor(AddressEditorDialog& editor) {
  editor.CreateEditorWindow();
  wxTheApp->SetTopWindow(editor.Window());
}

void ApplicationServices::LaunchQuelta(AddressEditorDialog& editor, bool ctrlDown) { QueltaLaunch(editor, state_.settings).Run(ctrlDown); }

void ApplicationServices::OpenHelp(AddressEditorDialog&) { OpenInBrowser(ManualPage()); }

void ApplicationServices::PostalSearch(AddressEditorDialog& editor) { RunPostalSearch(editor, state_.settings); }

void ApplicationServices::ImportContacts(AddressEditorDialog& editor) { RunContactsImport(editor, state_.settings); }

void ApplicationServices::ExportContacts(AddressEditorDialog& editor) { RunContactsExport(editor); }

void ApplicationServices::ReadQueltaPath(SiblingProgramData& sibling) { mirelon::ReadQueltaPath(state_.settings.Store(), sibling); }

void ApplicationServices::ProbePostalData(SiblingProgramData& sibling) { mirelon::ProbePostalData(sibling); }

}  // namespace mirelon
