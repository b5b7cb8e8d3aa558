// What the screenshot programs share: letting GTK draw, and capturing a window as the X server
// shows it (ImageMagick's import) into the folder given on the command line.
#pragma once

#include <wx/gdicmn.h>
#include <wx/string.h>

class wxApp;
class wxPrintout;
class wxWindow;

namespace mirelon {

class SettingsStore;

void SetScreenshotFolder(const wxString& folder);
// A screenshot program's start: the folder from the first argument (false after a usage line when
// there is none), the Japanese UI with wx's catalog, image handlers.
bool StartScreenshotProgram(wxApp& app);
// Page 1 of `printout` as a printer of `ppi` dots an inch gets it on paper of `pageMm`, written to
// <folder>/<name>.png.
void RenderPrintedPage(wxPrintout& printout, double ppi, wxSize pageMm, const char* name);
// Runs the event loop for a while, so GTK lays out and draws what changed.
void Settle(int milliseconds = 400);
// Writes `rect` of the screen as the X server shows it to <folder>/<name>.png.
void CaptureScreen(const wxRect& rect, const char* name);
// Moves `window` to the top left corner, lets it draw and writes <folder>/<name>.png.
void Capture(wxWindow* window, const char* name);

}  // namespace mirelon
