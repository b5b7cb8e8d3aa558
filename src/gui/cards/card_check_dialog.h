// The check before printing shown to the user: the cards that would come out wrong, one a line,
// with a button to print (or save) anyway and one to go back and mend the records.
#pragma once

#include <vector>

#include <wx/dialog.h>

#include "cards/card_check.h"

namespace mirelon {

class CardCheckDialog final : public wxDialog {
 public:
  // `goOn` labels the button that prints anyway (wxID_OK); "戻る" is wxID_CANCEL.
  CardCheckDialog(wxWindow* parent, const std::vector<CardProblem>& problems, const wxString& goOn);
};

// True when there is nothing to tell, or the user chose to go on.
bool ConfirmCards(wxWindow* parent, const std::vector<CardProblem>& problems, const wxString& goOn);

}  // namespace mirelon
