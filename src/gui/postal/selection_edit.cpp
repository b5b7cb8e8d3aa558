#include "gui/postal/selection_edit.h"

namespace mirelon {

SelectionEdit::SelectionEdit(wxWindow* parent, int id, const wxRect& rect, long style)
    : wxTextCtrl(parent, id, wxString(), rect.GetPosition(), rect.GetSize(), style) {
  Bind(wxEVT_LEFT_DOWN, &SelectionEdit::OnLeftDown, this);
  Bind(wxEVT_LEFT_DCLICK, &SelectionEdit::OnLeftDown, this);
  Bind(wxEVT_LEFT_UP, &SelectionEdit::OnLeftUp, this);
  Bind(wxEVT_MOTION, &SelectionEdit::OnMotion, this);
}

void SelectionEdit::OnLeftDown(wxMouseEvent& event) {
  tracking_ = true;
  if (buddy_ != nullptr) buddy_->Disable();
  event.Skip();
}

void SelectionEdit::OnLeftUp(wxMouseEvent& event) {
  event.Skip();
  // The release ends the drag: the selection it leaves decides, as the last move would have.
  if (tracking_) UpdateBuddyLater();
  tracking_ = false;
}

void SelectionEdit::OnMotion(wxMouseEvent& event) {
  event.Skip();
  if (tracking_) UpdateBuddyLater();
}

void SelectionEdit::UpdateBuddyLater() {
  if (buddy_ == nullptr) return;
  CallAfter([this] {
    long from = 0, to = 0;
    GetSelection(&from, &to);
    buddy_->Enable(from < to);
  });
}

}  // namespace mirelon
