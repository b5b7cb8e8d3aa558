#include "gui/support/screenshot_support.h"

#include <cstdio>

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/evtloop.h>
#include <wx/prntbase.h>
#include <wx/timer.h>
#include <wx/translation.h>
#include <wx/uilocale.h>
#include <wx/utils.h>
#include <wx/window.h>

#include "appcore/program_settings.h"
#include "gui/kit/toolkit_style.h"

namespace mirelon {
namespace {

wxString gFolder;

}  // namespace

void SetScreenshotFolder(const wxString& folder) { gFolder = folder; }

bool StartScreenshotProgram(wxApp& app) {
  if (app.argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", static_cast<const char*>(app.argv[0].utf8_str()));
    return false;
  }
  SetScreenshotFolder(app.argv[1]);
  wxUILocale::UseDefault();
  wxTranslations::Set(new wxTranslations);
  wxTranslations::Get()->AddStdCatalog();
  wxInitAllImageHandlers();
  ApplyToolkitStyle();
  return true;
}

void RenderPrintedPage(wxPrintout& printout, double ppi, wxSize pageMm, const char* name) {
  const wxSize page(static_cast<int>(pageMm.x * ppi / 25.4), static_cast<int>(pageMm.y * ppi / 25.4));
  wxBitmap bitmap(page, 24);
  wxMemoryDC dc(bitmap);
  dc.SetBackground(*wxWHITE_BRUSH);
  dc.Clear();
  printout.SetDC(&dc);
  printout.SetPPIScreen(96, 96);
  printout.SetPPIPrinter(static_cast<int>(ppi), static_cast<int>(ppi));
  printout.SetPageSizePixels(page.x, page.y);
  printout.SetPaperRectPixels(wxRect(page));
  printout.SetPageSizeMM(pageMm.x, pageMm.y);
  printout.OnPreparePrinting();
  printout.OnPrintPage(1);
  dc.SelectObject(wxNullBitmap);
  bitmap.SaveFile(gFolder + "/" + name + ".png", wxBITMAP_TYPE_PNG);
}

void Settle(int milliseconds) {
  wxEventLoop loop;
  wxTimer timer;
  timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) { loop.Exit(); });
  timer.StartOnce(milliseconds);
  loop.Run();
}

void CaptureScreen(const wxRect& rect, const char* name) {
  // The X server's own pixels (ImageMagick), as a user would see them.
  const wxString path = gFolder + "/" + name + ".png";
  wxExecute(wxString::Format("import -window root -crop %dx%d+%d+%d +repage %s", rect.width, rect.height, rect.x,
                             rect.y, path),
            wxEXEC_SYNC);
  std::printf("%s\n", static_cast<const char*>(path.utf8_str()));
}

void Capture(wxWindow* window, const char* name) {
  window->Move(0, 0);
  window->Raise();
  window->Refresh();
  window->Update();
  Settle();
  CaptureScreen(window->GetScreenRect(), name);
}

}  // namespace mirelon
