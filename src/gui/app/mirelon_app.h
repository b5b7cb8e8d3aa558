// The application object: the settings, the one book and the editor for the whole run. Start-up
// opens the settings store, applies the dialog colour, picks the editor template and creates the
// editor as the modeless main window; the program ends when the main window is gone.
#pragma once

#include <memory>

#include <wx/app.h>

#include "appcore/app_state.h"
#include "gui/app/application_services.h"
#include "gui/editor/address_editor_dialog.h"
#include "gui/kit/message_box.h"
#include "gui/kit/tooltip_set.h"
#include "gui/kit/wx_settings_store.h"

namespace mirelon {

class CMirelonApp : public wxApp {
 public:
  bool OnInit() override;
  int OnExit() override;

 private:
  MessageBoxPrompt prompt_;
  TooltipsOffWhileModal tooltipsOffWhileModal_;
  // Made at start-up, in this order: the store needs the toolkit, the rest reads the store.
  std::unique_ptr<WxSettingsStore> settings_;
  std::unique_ptr<AppState> state_;
  std::unique_ptr<ApplicationServices> services_;
  std::unique_ptr<AddressEditorDialog> editor_;
};

}  // namespace mirelon

wxDECLARE_APP(mirelon::CMirelonApp);
