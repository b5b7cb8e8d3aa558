#include "gui/kit/up_down_control.h"

#include <algorithm>

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/spinbutt.h>

namespace mirelon {

UpDownControl::UpDownControl(wxWindow* parent, int id, const wxPoint& pos, const wxSize& size)
    : wxControl(parent, id, pos, size, wxBORDER_NONE | wxWANTS_CHARS) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
  Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) { OnMouseDown(event); });
  Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent& event) { OnMouseDown(event); });
  Bind(wxEVT_LEFT_UP, [this](wxMouseEvent&) {
    pressed_ = 0;
    if (HasCapture()) ReleaseMouse();
    Refresh();
  });
  Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) { pressed_ = 0; });
  Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) { OnKey(event); });
}

void UpDownControl::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  value_ = std::clamp(value_, min_, max_);
}

void UpDownControl::SetValue(int value) { value_ = std::clamp(value, min_, max_); }

void UpDownControl::Step(int delta) {
  const int next = std::clamp(value_ + delta, min_, max_);
  if (next == value_) return;
  value_ = next;
  wxSpinEvent event(delta > 0 ? wxEVT_SPIN_UP : wxEVT_SPIN_DOWN, GetId());
  event.SetEventObject(this);
  event.SetPosition(value_);
  HandleWindowEvent(event);
  event.SetEventType(wxEVT_SPIN);
  HandleWindowEvent(event);
}

void UpDownControl::OnMouseDown(const wxMouseEvent& event) {
  pressed_ = event.GetY() < GetClientSize().y / 2 ? 1 : -1;
  if (!HasCapture()) CaptureMouse();
  Refresh();
  Step(pressed_);
}

void UpDownControl::OnKey(wxKeyEvent& event) {
  switch (event.GetKeyCode()) {
    case WXK_UP:
      Step(1);
      break;
    case WXK_DOWN:
      Step(-1);
      break;
    default:
      event.Skip();
  }
}

void UpDownControl::OnPaint() {
  wxAutoBufferedPaintDC dc(this);
  const wxSize size = GetClientSize();
  dc.SetBackground(GetParent()->GetBackgroundColour());
  dc.Clear();
  const int half = size.y / 2;
  const wxRect upper(0, 0, size.x, half);
  const wxRect lower(0, half, size.x, size.y - half);
  wxRendererNative& renderer = wxRendererNative::Get();
  renderer.DrawPushButton(this, dc, upper, pressed_ > 0 ? int{wxCONTROL_PRESSED} : 0);
  renderer.DrawPushButton(this, dc, lower, pressed_ < 0 ? int{wxCONTROL_PRESSED} : 0);
  dc.SetPen(*wxTRANSPARENT_PEN);
  dc.SetBrush(IsEnabled() ? *wxBLACK_BRUSH : *wxGREY_BRUSH);
  const int arm = std::max(2, std::min(size.x / 4, half / 3));
  const wxPoint up[] = {{-arm, arm / 2}, {arm, arm / 2}, {0, -arm / 2 - 1}};
  const wxPoint down[] = {{-arm, -arm / 2}, {arm, -arm / 2}, {0, arm / 2 + 1}};
  dc.DrawPolygon(3, up, upper.x + upper.width / 2, upper.y + upper.height / 2);
  dc.DrawPolygon(3, down, lower.x + lower.width / 2, lower.y + lower.height / 2);
}

}  // namespace mirelon
