// What the screenshot programs share: letting GTK draw, and capturing a window as the X server
// shows it (ImageMagick's import) into the folder given on the command line.
#pragma once

#include <wx/string.h>

class wxWindow;

namespace mirelon {

void SetScreenshotFolder(const wxString& folder);
// Runs the event loop for a while, so GTK lays out and draws what changed.
void Settle(int milliseconds = 400);
// Moves `window` to the top left corner, lets it draw and writes <folder>/<name>.png.
void Capture(wxWindow* window, const char* name);

}  // namespace mirelon
