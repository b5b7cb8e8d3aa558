#include "gui/list/list_window.h"

#include "appcore/list_window_size.h"
#include "appcore/program_settings.h"
#include "gui/kit/screen_fit.h"
#include "gui/list/main_frame.h"

namespace mirelon {

CMainFrame* OpenListWindow(const ListWindowContext& context) {
  const ListWindowStart start = ReadListWindowStart(context.settings.Store());
  // Without a stored size the window takes three quarters of the screen, as a new window does on
  // Windows (wx's own default is a tiny 400 × 250).
  const wxRect screen = ScreenAreaOf(nullptr);
  const wxSize size = start.width > 0 ? wxSize(start.width, start.height) : screen.GetSize() * 3 / 4;
  auto* frame = new CMainFrame(context, size);
  if (!frame->CreateNewDocument()) {
    frame->Destroy();
    return nullptr;
  }
  if (start.maximised) {
    frame->Maximize();
    frame->Show();
  } else {
    ShowOnScreen(frame, size);
  }
  frame->Update();
  return frame;
}

}  // namespace mirelon
