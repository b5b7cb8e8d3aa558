#include "gui/app/application_services.h"

#include "appcore/program_settings.h"
#include "appcore/sibling_program.h"
#include "gui/app/help_page.h"
#include "gui/app/quelta_launch.h"
#include "gui/dialogs/options_dialog.h"
#include "gui/editor/file_flows.h"

namespace mirelon {

void ApplicationServices::ReadFile(AddressEditorDialog& editor) { FileFlows(editor).ReadFile(); }

void ApplicationServices::WriteFile(AddressEditorDialog& editor) { FileFlows(editor).WriteFile(); }

void ApplicationServices::RunOptionsDialog(wxWindow* parent) { OptionsDialog(parent, state_.book).ShowModal(); }

// The windows below arrive one by one; until then their buttons leave the editor as it is (the editor
// has committed its page already).
bool ApplicationServices::OpenListWindow(AddressEditorDialog&) { return false; }

bool ApplicationServices::RunIndexDialog(wxWindow*, const SiblingProgramData&) { return false; }

void ApplicationServices::LaunchQuelta(AddressEditorDialog& editor, bool ctrlDown) { QueltaLaunch(editor).Run(ctrlDown); }

void ApplicationServices::OpenHelp(AddressEditorDialog&) { OpenInBrowser(ManualPage()); }

void ApplicationServices::PostalSearch(AddressEditorDialog&) {}

void ApplicationServices::ReadQueltaPath(SiblingProgramData& sibling) { mirelon::ReadQueltaPath(ProgramSettings(), sibling); }

void ApplicationServices::ProbePostalData(SiblingProgramData& sibling) { mirelon::ProbePostalData(sibling); }

}  // namespace mirelon
