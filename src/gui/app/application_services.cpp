#include "gui/app/application_services.h"

#include <wx/app.h>

#include "appcore/program_settings.h"
#include "appcore/sibling_program.h"
#include "gui/app/help_page.h"
#include "gui/app/quelta_launch.h"
#include "gui/cards/card_print_dialog.h"
#include "gui/dialogs/index_dialog.h"
#include "gui/dialogs/options_dialog.h"
#include "gui/editor/address_editor_dialog.h"
#include "gui/editor/file_flows.h"
#include "gui/kit/message_box.h"
#include "gui/kit/template_dialog.h"
#include "gui/list/list_window.h"
#include "gui/list/main_frame.h"
#include "gui/postal/postal_result_windows.h"
#include "postal/postal_lookup.h"

namespace mirelon {

void ApplicationServices::ReadFile(AddressEditorDialog& editor) { FileFlows(editor).ReadFile(); }

void ApplicationServices::WriteFile(AddressEditorDialog& editor) { FileFlows(editor).WriteFile(); }

void ApplicationServices::RunOptionsDialog(wxWindow* parent) { OptionsDialog(parent, state_.book).ShowModal(); }

bool ApplicationServices::RunIndexDialog(wxWindow* parent, const SiblingProgramData& sibling) {
  return IndexDialog(parent, state_.book, sibling.postalDataPath, sibling.postalDataUnicode).ShowModal() == wxID_OK;
}

PrintSetup& ApplicationServices::Printing() {
  if (!printing_) printing_ = std::make_unique<PrintSetup>();
  return *printing_;
}

// The frame becomes the main window before the editor's window goes, so the program never runs
// without one.
bool ApplicationServices::OpenListWindow(AddressEditorDialog& editor) {
  wxWindow* frame = mirelon::OpenListWindow({state_.book, ProgramSettings(), Printing(),
                                             [this, &editor] { ReturnToEditor(editor); },
                                             [this](wxWindow* parent) {
                                               RunCardPrintDialog(parent, {state_.book, ProgramSettings(), Printing()});
                                             }});
  if (frame == nullptr) return false;
  wxTheApp->SetTopWindow(frame);
  return true;
}

void ApplicationServices::ReturnToEditor(AddressEditorDialog& editor) {
  editor.CreateEditorWindow();
  wxTheApp->SetTopWindow(editor.Window());
}

void ApplicationServices::LaunchQuelta(AddressEditorDialog& editor, bool ctrlDown) { QueltaLaunch(editor).Run(ctrlDown); }

void ApplicationServices::OpenHelp(AddressEditorDialog&) { OpenInBrowser(ManualPage()); }

void ApplicationServices::PostalSearch(AddressEditorDialog& editor) {
  if (!editor.PullMembers()) return;
  const SiblingProgramData& sibling = editor.Sibling();
  PageMembers& page = editor.Members();
  MessageBoxPrompt prompt;
  PostalResultWindows dialogs;
  const MiscSwitches& switches = Switches();
  const auto engine = MakePostalLookup(sibling.postalDataUnicode, prompt, &dialogs,
                                       {switches.kenmeiNashi, switches.bangoHyphen, switches.bangoZenkaku});
  engine->Lookup(page.postalCode, page.address1 + page.address2, page.company1 + page.company2,
                 std::filesystem::path(sibling.postalDataPath));
  if (engine->addressResult().empty() && engine->codeResult().empty()) return;
  // Address line 2 and company line 2 stay: the user corrects them after the rewrite.
  if (!engine->addressResult().empty()) page.address1 = engine->addressResult();
  if (!engine->codeResult().empty()) page.postalCode = engine->codeResult();
  if (!engine->companyResult().empty()) page.company1 = engine->companyResult();
  editor.PushMembers();
  editor.MarkModified();
  SetKenmeiNashi(engine->options().kenmeiNashi);
  SetBangoHyphen(engine->options().bangoHyphen);
  SetBangoZenkaku(engine->options().bangoZenkaku);
}

void ApplicationServices::ReadQueltaPath(SiblingProgramData& sibling) { mirelon::ReadQueltaPath(ProgramSettings(), sibling); }

void ApplicationServices::ProbePostalData(SiblingProgramData& sibling) { mirelon::ProbePostalData(sibling); }

}  // namespace mirelon
