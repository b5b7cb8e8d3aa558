// Windows kept on the screen: a size and place within the client area of the display a window
// opens on, also once the window manager has framed it.
#pragma once

#include <wx/gdicmn.h>

class wxTopLevelWindow;
class wxWindow;

namespace mirelon {

// Room for a window manager's frame around a window: its title bar and borders.
inline const wxSize kFrameAllowance(6, 36);

// The client area of the display that shows most of `window` (the first display when none).
wxRect ScreenAreaOf(const wxWindow* window);

// Shows `window` with the outer size `wanted` (its frame included), no larger than the screen, and
// wholly on it. The window manager's frame is known only once the window is shown: the size the
// toolkit gave without it is put right then, so that the size shown is the size asked for.
void ShowOnScreen(wxTopLevelWindow* window, wxSize wanted);

// A window laid out by its sizers made no larger than the screen, room left for the window
// manager's frame; its sizers then share out the room there is.
void LimitToScreen(wxTopLevelWindow* window);

}  // namespace mirelon
