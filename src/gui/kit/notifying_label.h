// A label that takes mouse clicks (GTK labels have no window of their own): it draws its text
// aligned like a static control, optionally framed, and a left click sends wxEVT_BUTTON with
// its id to the dialog, as a notifying static does.
#pragma once

#include <wx/window.h>

namespace mirelon {

class NotifyingLabel : public wxWindow {
 public:
  NotifyingLabel(wxWindow* parent, wxWindowID id, const wxString& text, const wxPoint& pos,
                 const wxSize& size, int alignment, bool framed);
  void SetLabel(const wxString& text) override;
  wxString GetLabel() const override { return text_; }

 private:
  void OnPaint(wxPaintEvent& event);
  wxString text_;
  int alignment_;
  bool framed_;
};

}  // namespace mirelon
