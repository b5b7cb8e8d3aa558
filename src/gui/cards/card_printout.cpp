#include "gui/cards/card_printout.h"

#include <wx/dc.h>

#include "gui/cards/card_drawing.h"
#include "gui/kit/print_setup.h"

namespace mirelon {
namespace {

constexpr double kMmPerInch = 25.4;

}  // namespace

CardPrintout::CardPrintout(std::vector<CardLayout> cards, const wxString& title)
    : wxPrintout(title), cards_(std::move(cards)) {}

void CardPrintout::GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) {
  *minPage = *selPageFrom = 1;
  *maxPage = *selPageTo = static_cast<int>(cards_.size());
}

bool CardPrintout::HasPage(int page) { return page >= 1 && page <= static_cast<int>(cards_.size()); }

bool CardPrintout::OnPrintPage(int page) {
  wxDC* dc = GetDC();
  if (dc == nullptr || !HasPage(page)) return false;
  int ppiX = 0;
  int ppiY = 0;
  GetPPIPrinter(&ppiX, &ppiY);
  // The paper rectangle is relative to the printable area's corner, where the DC's origin is.
  const wxRect paper = GetPaperRectPixels();
  const double unitsPerMm = ppiX / kMmPerInch;
  // False stops the job on Windows; GTK prints the page regardless.
  return DrawCardOnDc(*dc, cards_[static_cast<size_t>(page - 1)], {}, wxPoint2DDouble(paper.x, paper.y), unitsPerMm);
}

bool PrintCards(wxWindow* parent, PrintSetup& printSetup, std::vector<CardLayout> cards, const wxString& title) {
  wxPrintData& data = printSetup.PrintData();
  const wxPaperSize paper = data.GetPaperId();
  const wxPrintOrientation orientation = data.GetOrientation();
  data.SetPaperId(wxPAPER_JAPANESE_POSTCARD);
  data.SetOrientation(wxPORTRAIT);
  const bool printed = printSetup.Print(parent, new CardPrintout(std::move(cards), title));
  data.SetPaperId(paper);
  data.SetOrientation(orientation);
  return printed;
}

}  // namespace mirelon
