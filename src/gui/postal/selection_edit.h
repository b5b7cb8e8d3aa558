// A read-only edit that enables its buddy (the partial-copy button) only for a selection made
// with the mouse: a press disables the buddy, and while the button is held each move (and the
// release) enables it exactly when the selection is not empty. Selecting with the keyboard
// leaves the buddy as it is.
#pragma once

#include <wx/textctrl.h>

namespace mirelon {

class SelectionEdit final : public wxTextCtrl {
 public:
  SelectionEdit(wxWindow* parent, int id, const wxRect& rect, long style);

  void SetBuddy(wxWindow* buddy) { buddy_ = buddy; }
  bool Tracking() const { return tracking_; }

 private:
  void OnLeftDown(wxMouseEvent& event);
  void OnLeftUp(wxMouseEvent& event);
  void OnMotion(wxMouseEvent& event);
  // After the control has handled the mouse: its selection is then up to date.
  void UpdateBuddyLater();

  bool tracking_ = false;
  wxWindow* buddy_ = nullptr;
};

}  // namespace mirelon
