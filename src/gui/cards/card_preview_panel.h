// The card preview of the printing dialog: the current card at the panel's size, with the boxes
// printed on the stock shown pale, or a note when there is no card to show.
#pragma once

#include <optional>

#include <wx/window.h>

#include "cards/card_render.h"

namespace mirelon {

class CardPreviewPanel final : public wxWindow {
 public:
  CardPreviewPanel(wxWindow* parent, wxWindowID id, const wxSize& size);

  // Shows `card`, or `note` when there is none.
  void SetCard(std::optional<CardLayout> card, const wxString& note);
  // Draws what the panel shows onto `dc` of `size` (the paint handler and tests use it).
  void Draw(wxDC& dc, wxSize size) const;

 private:
  std::optional<CardLayout> card_;
  wxString note_;
};

}  // namespace mirelon
