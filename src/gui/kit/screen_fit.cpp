#include "gui/kit/screen_fit.h"

#include <algorithm>
#include <memory>

#include <wx/display.h>
#include <wx/toplevel.h>

namespace mirelon {

wxRect ScreenAreaOf(const wxWindow* window) {
  const int index = window != nullptr ? wxDisplay::GetFromWindow(window) : wxNOT_FOUND;
  return wxDisplay(index == wxNOT_FOUND ? 0u : static_cast<unsigned>(index)).GetClientArea();
}

namespace {

void FitInto(wxTopLevelWindow* window, const wxRect& area, const wxSize& size) {
  if (window->GetSize() != size) window->SetSize(size);
  const wxRect rect = window->GetScreenRect();
  const wxPoint at(std::clamp(rect.x, area.x, std::max(area.x, area.GetRight() + 1 - rect.width)),
                   std::clamp(rect.y, area.y, std::max(area.y, area.GetBottom() + 1 - rect.height)));
  if (at != rect.GetPosition()) window->Move(at);
}

}  // namespace

void LimitToScreen(wxTopLevelWindow* window) {
  const wxRect area = ScreenAreaOf(window->GetParent() != nullptr ? window->GetParent() : window);
  const wxSize size = window->GetSize();
  const wxSize limit(area.width - kFrameAllowance.x, area.height - kFrameAllowance.y);
  if (size.x <= limit.x && size.y <= limit.y) return;
  window->SetMinSize(wxDefaultSize);
  window->SetSize(std::min(size.x, limit.x), std::min(size.y, limit.y));
}

void ShowOnScreen(wxTopLevelWindow* window, wxSize wanted) {
  const wxRect area = ScreenAreaOf(window);
  const wxSize size(std::min(wanted.x, area.width), std::min(wanted.y, area.height));
  FitInto(window, area, size);
  // The frame's size arrives with the first size change after showing: the toolkit's size is put
  // right once then, and what the user does afterwards is left alone.
  auto pending = std::make_shared<bool>(true);
  window->Bind(wxEVT_SIZE, [window, area, size, pending](wxSizeEvent& event) {
    event.Skip();
    if (!*pending) return;
    *pending = false;
    if (window->GetSize() == size || window->IsMaximized() || window->IsIconized()) return;
    window->CallAfter([window, area, size] {
      if (!window->IsMaximized()) FitInto(window, area, size);
    });
  });
  window->Show();
}

}  // namespace mirelon
