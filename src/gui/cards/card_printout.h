// The cards as a printout: one card per page on postcard paper, drawn at true size from the
// paper's corner (the card's own offsets and 180° are in its layout).
#pragma once

#include <vector>

#include <wx/prntbase.h>

#include "cards/card_render.h"

namespace mirelon {

class PrintSetup;

class CardPrintout final : public wxPrintout {
 public:
  CardPrintout(std::vector<CardLayout> cards, const wxString& title);

  void GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) override;
  bool HasPage(int page) override;
  bool OnPrintPage(int page) override;

 private:
  std::vector<CardLayout> cards_;
};

// Prints `cards` through the program's print set-up on Japanese postcards, with the print dialog
// first. The set-up's paper and orientation are given back afterwards for the other printouts;
// the printer chosen in the dialog carries over. False when cancelled or failed (reported).
bool PrintCards(wxWindow* parent, PrintSetup& printSetup, std::vector<CardLayout> cards, const wxString& title);

}  // namespace mirelon
