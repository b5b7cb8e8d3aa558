#include "gui/app/application_services.h"

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

void ApplicationServices::LaunchQuelta(AddressEditorDialog&, bool) {}

void ApplicationServices::OpenHelp(AddressEditorDialog&) {}

void ApplicationServices::PostalSearch(AddressEditorDialog&) {}

void ApplicationServices::ReadQueltaPath(SiblingProgramData&) {}

void ApplicationServices::ProbePostalData(SiblingProgramData&) {}

}  // namespace mirelon
