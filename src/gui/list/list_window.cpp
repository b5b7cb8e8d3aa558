#include "gui/list/list_window.h"

#include "appcore/list_window_size.h"
#include "gui/list/main_frame.h"

namespace mirelon {

CMainFrame* OpenListWindow(const ListWindowContext& context) {
  const ListWindowStart start = ReadListWindowStart(context.settings);
  auto* frame = new CMainFrame(context, start.width > 0 ? wxSize(start.width, start.height) : wxDefaultSize);
  if (!frame->CreateNewDocument()) {
    frame->Destroy();
    return nullptr;
  }
  if (start.maximised) frame->Maximize();
  frame->Show();
  frame->Update();
  return frame;
}

}  // namespace mirelon
