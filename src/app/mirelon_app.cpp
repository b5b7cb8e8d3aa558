#include "app/mirelon_app.h"

#include <wx/display.h>

#include "app/app_identity.h"
#include "app/dialog_background.h"
#include "app/editor_layout_choice.h"
#include "app/file_flows.h"
#include "app/program_settings.h"
#include "app/template_dialog.h"
#include "dialogs/options_dialog.h"

namespace mirelon {

bool CMirelonApp::OnInit() {
  SetVendorName(kVendorName);
  SetAppName(kApplicationName);
  settings_ = std::make_unique<WxSettingsStore>();
  UseSettingsStore(settings_.get());
  state_.book.SetPrompt(&prompt_);

  InitDialogColour(*settings_);
  const std::string firstArgument = argc > 1 ? std::string(argv[1].utf8_str()) : std::string();
  state_.editorTemplate = ChooseEditorTemplate(firstArgument, wxDisplay(0u).GetGeometry().GetWidth());

  state_.commands.readFile = [](AddressEditorDialog& editor) { FileFlows(editor).ReadFile(); };
  state_.commands.writeFile = [](AddressEditorDialog& editor) { FileFlows(editor).WriteFile(); };
  state_.commands.runOptionsDialog = [this](wxWindow* parent) { OptionsDialog(parent, state_.book).ShowModal(); };

  editor_ = std::make_unique<AddressEditorDialog>(state_);
  editor_->CreateEditorWindow();
  SetTopWindow(editor_->Window());
  return true;
}

int CMirelonApp::OnExit() {
  editor_.reset();
  return wxApp::OnExit();
}

}  // namespace mirelon
