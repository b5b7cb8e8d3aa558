// The platform's colour chooser, fully expanded and opened on a given colour. GTK takes the
// chosen colour from its own widget when a modal run ends, so a chooser answered without being
// run (by a test's modal hook) receives that answer through Choose.
#pragma once

#include <wx/colordlg.h>

namespace mirelon {

class ColourChooserDialog final : public wxColourDialog {
 public:
  ColourChooserDialog(wxWindow* parent, const wxColour& initial) : wxColourDialog(parent, nullptr) {
    GetColourData().SetChooseFull(true);
    GetColourData().SetColour(initial);
    // The toolkit's own title would follow the machine's locale, not the program's language.
    SetTitle(wxString::FromUTF8("色の設定"));
  }

  void Choose(const wxColour& colour) { answer_ = colour; }
  // The colour taken on OK.
  wxColour Chosen() { return answer_.IsOk() ? answer_ : GetColourData().GetColour(); }

 private:
  wxColour answer_;
};

}  // namespace mirelon
