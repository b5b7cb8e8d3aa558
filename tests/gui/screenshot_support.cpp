#include "screenshot_support.h"

#include <cstdio>

#include <wx/evtloop.h>
#include <wx/timer.h>
#include <wx/utils.h>
#include <wx/window.h>

namespace mirelon {
namespace {

wxString gFolder;

}  // namespace

void SetScreenshotFolder(const wxString& folder) { gFolder = folder; }

void Settle(int milliseconds) {
  wxEventLoop loop;
  wxTimer timer;
  timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { loop.Exit(); });
  timer.StartOnce(milliseconds);
  loop.Run();
}

void Capture(wxWindow* window, const char* name) {
  window->Move(0, 0);
  window->Raise();
  window->Refresh();
  window->Update();
  Settle();
  // The X server's own pixels (ImageMagick), as a user would see them.
  const wxRect rect = window->GetScreenRect();
  const wxString path = gFolder + "/" + name + ".png";
  wxExecute(wxString::Format("import -window root -crop %dx%d+%d+%d +repage %s", rect.width, rect.height, rect.x,
                             rect.y, path),
            wxEXEC_SYNC);
  std::printf("%s\n", static_cast<const char*>(path.utf8_str()));
}

}  // namespace mirelon
