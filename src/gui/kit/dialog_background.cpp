#include "gui/kit/dialog_background.h"

#include <wx/dialog.h>
#include <wx/settings.h>
#include <wx/toplevel.h>

#include "appcore/dialog_colour.h"
#include "appcore/program_settings.h"

namespace mirelon {
namespace {

std::optional<wxColour> gDialogColour;

std::optional<wxColour> ColourFromSetting(const SettingsStore& settings) {
  const RgbColour rgb = ParseDialogColour(ReadBackgroundSetting(settings));
  if (rgb.Sum() == 0) return std::nullopt;
  return wxColour(static_cast<unsigned char>(rgb.red), static_cast<unsigned char>(rgb.green),
                  static_cast<unsigned char>(rgb.blue));
}

}  // namespace

void InitDialogColour(const SettingsStore& settings) { gDialogColour = ColourFromSetting(settings); }

void ApplyDialogColour(const SettingsStore& settings) {
  gDialogColour = ColourFromSetting(settings).value_or(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
  for (wxWindow* window : wxTopLevelWindows) {
    if (wxDynamicCast(window, wxDialog) == nullptr) continue;
    PaintWithDialogColour(window);
    window->Refresh();
  }
}

std::optional<wxColour> DialogColour() { return gDialogColour; }

void PaintWithDialogColour(wxWindow* dialog) {
  if (!gDialogColour) return;
  dialog->SetBackgroundColour(*gDialogColour);
  dialog->SetForegroundColour(*wxBLACK);
}

}  // namespace mirelon
