#include "gui/app/mirelon_app.h"

#include <wx/display.h>
#include <wx/translation.h>
#include <wx/uilocale.h>

#include "appcore/app_identity.h"
#include "appcore/editor_layout_choice.h"
#include "gui/kit/dialog_background.h"
#include "gui/kit/template_dialog.h"
#include "gui/kit/toolkit_style.h"

namespace mirelon {

bool CMirelonApp::OnInit() {
  // The platform's own windows (file, print and colour dialogs, the print preview) speak the
  // user's language: GTK through the locale, wx's preview and docview texts through its catalog.
  wxUILocale::UseDefault();
  wxTranslations::Set(new wxTranslations);
  wxTranslations::Get()->AddStdCatalog();
  tooltipsOffWhileModal_.Register();
  ApplyToolkitStyle();
  SetVendorName(kVendorName);
  SetAppName(kApplicationName);
  settings_ = std::make_unique<WxSettingsStore>();
  state_ = std::make_unique<AppState>(*settings_);
  services_ = std::make_unique<ApplicationServices>(*state_);
  state_->book.SetPrompt(&prompt_);

  InitDialogColour(*settings_);
  const std::string firstArgument = argc > 1 ? std::string(argv[1].utf8_str()) : std::string();
  state_->editorTemplate = ChooseEditorTemplate(firstArgument, wxDisplay(0u).GetGeometry().GetWidth());

  editor_ = std::make_unique<AddressEditorDialog>(*state_, *services_);
  editor_->CreateEditorWindow();
  SetTopWindow(editor_->Window());
  return true;
}

int CMirelonApp::OnExit() {
  editor_.reset();
  return wxApp::OnExit();
}

}  // namespace mirelon
