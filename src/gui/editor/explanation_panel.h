// The panel that explains the history-mark conversion: it fills its area with its background
// colour and draws its text in the dialog font, line by line at CR LF, tabs every six character
// widths, left-aligned from the top. Setting the text or the colours repaints it at once.
#pragma once

#include <wx/window.h>

namespace mirelon {

class ExplanationPanel : public wxWindow {
 public:
  ExplanationPanel(wxWindow* parent, wxWindowID id, const wxRect& rect);
  void SetText(const wxString& text);
  const wxString& Text() const { return text_; }
  void SetColours(const wxColour& text, const wxColour& background);

 private:
  void OnPaint(wxPaintEvent& event);
  wxString text_;
  wxColour textColour_;
  wxColour backColour_;
};

// The explanation of the conversion table (CR LF line breaks).
wxString HistoryConversionExplanation();

}  // namespace mirelon
