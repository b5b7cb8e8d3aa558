#include "gui/cards/card_check_dialog.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "gui/kit/dialog_background.h"
#include "gui/kit/wx_text.h"
#include "res/card_print_resources.h"

namespace mirelon {

CardCheckDialog::CardCheckDialog(wxWindow* parent, const std::vector<CardProblem>& problems, const wxString& goOn)
    : wxDialog(parent, wxID_ANY, U8(res::CardDialogText().checkTitle), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER) {
  const res::CardDialogTexts& texts = res::CardDialogText();
  auto* top = new wxBoxSizer(wxVERTICAL);
  top->Add(new wxStaticText(this, wxID_ANY, U8(texts.checkIntro)), 0, wxALL, 8);
  wxArrayString lines;
  for (const CardProblem& problem : problems) lines.Add(wxString::FromUTF8(CardProblemLine(problem)));
  auto* list = new wxListBox(this, res::kCardCheckList, wxDefaultPosition, wxSize(600, 220), lines, wxLB_HSCROLL);
  top->Add(list, 1, wxEXPAND | wxLEFT | wxRIGHT, 8);
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  auto* back = new wxButton(this, wxID_CANCEL, U8(texts.checkBack));
  buttons->Add(new wxButton(this, wxID_OK, goOn), 0, wxRIGHT, 6);
  buttons->Add(back);
  back->SetDefault();  // Enter goes back: printing a wrong card is the choice that needs a click
  top->Add(buttons, 0, wxEXPAND | wxALL, 8);
  SetSizerAndFit(top);
  PaintWithDialogColour(this);
  Centre();
}

bool ConfirmCards(wxWindow* parent, const std::vector<CardProblem>& problems, const wxString& goOn) {
  if (problems.empty()) return true;
  CardCheckDialog dialog(parent, problems, goOn);
  return dialog.ShowModal() == wxID_OK;
}

}  // namespace mirelon
