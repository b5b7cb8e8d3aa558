#include "gui/kit/notifying_label.h"

#include <wx/dcbuffer.h>

namespace mirelon {

NotifyingLabel::NotifyingLabel(wxWindow* parent, wxWindowID id, const wxString& text, const wxPoint& pos,
                               const wxSize& size, int alignment, bool framed)
    : wxWindow(parent, id, pos, size, wxFULL_REPAINT_ON_RESIZE), text_(text), alignment_(alignment), framed_(framed) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &NotifyingLabel::OnPaint, this);
  Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
    wxCommandEvent click(wxEVT_BUTTON, GetId());
    click.SetEventObject(this);
    ProcessWindowEvent(click);
    event.Skip();
  });
}

void NotifyingLabel::SetLabel(const wxString& text) {
  text_ = text;
  Refresh();
}

void NotifyingLabel::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
  dc.Clear();
  wxRect area = GetClientRect();
  if (framed_) {
    dc.SetPen(wxPen(wxColour(96, 96, 96)));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(area);
    area.Deflate(2, 1);
  }
  dc.SetFont(GetFont());
  dc.SetTextForeground(GetParent()->GetForegroundColour());
  dc.DrawLabel(text_, area, alignment_ | wxALIGN_CENTRE_VERTICAL);
}

}  // namespace mirelon
