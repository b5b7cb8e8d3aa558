// The program-wide dialog background: the user's bkColor, lightened when dark, painted by every
// dialog and message box of the program with black text. Until a colour has been set the
// platform's own colours apply.
#pragma once

#include <optional>

#include <wx/colour.h>

class wxWindow;

namespace mirelon {

class SettingsStore;

// Start-up: sets the colour only when bkColor gives a non-zero sum.
void InitDialogColour(const SettingsStore& settings);
// After the options dialog: the colour, or the system button face for "0 0 0"; open dialogs repaint.
void ApplyDialogColour(const SettingsStore& settings);
// The colour in force, if the program set one.
std::optional<wxColour> DialogColour();

// Gives a dialog the colour in force (dialogs call this when they are created).
void PaintWithDialogColour(wxWindow* dialog);

}  // namespace mirelon
