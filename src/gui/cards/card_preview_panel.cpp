#include "gui/cards/card_preview_panel.h"

#include <algorithm>

#include <wx/dcclient.h>

#include "cards/card_stock.h"
#include "gui/cards/card_drawing.h"
#include "gui/kit/wx_text.h"

namespace mirelon {
namespace {

constexpr double kMarginMm = 3;  // grey round the card so its edge shows

}  // namespace

CardPreviewPanel::CardPreviewPanel(wxWindow* parent, wxWindowID id, const wxSize& size)
    : wxWindow(parent, id, wxDefaultPosition, size, wxBORDER_SUNKEN | wxFULL_REPAINT_ON_RESIZE) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  SetMinSize(size);
  Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
    wxPaintDC dc(this);
    Draw(dc, GetClientSize());
  });
}

void CardPreviewPanel::SetCard(std::optional<CardLayout> card, const wxString& note) {
  card_ = std::move(card);
  note_ = note;
  Refresh();
}

void CardPreviewPanel::Draw(wxDC& dc, wxSize size) const {
  dc.SetBackground(wxBrush(wxColour(0x80, 0x80, 0x80)));
  dc.Clear();
  const auto drawNote = [&](const wxString& note) {
    dc.SetTextForeground(*wxWHITE);
    const wxSize extent = dc.GetTextExtent(note);
    dc.DrawText(note, (size.x - extent.x) / 2, (size.y - extent.y) / 2);
  };
  if (!card_) {
    drawNote(note_);
    return;
  }
  const double pxPerMm = std::min(size.x / (kCardWidthMm + 2 * kMarginMm), size.y / (kCardHeightMm + 2 * kMarginMm));
  const wxPoint2DDouble origin((size.x - kCardWidthMm * pxPerMm) / 2, (size.y - kCardHeightMm * pxPerMm) / 2);
  if (!DrawCardOnDc(dc, *card_, {.preview = true}, origin, pxPerMm)) drawNote(U8("カードを表示できません"));
}

}  // namespace mirelon
