#include "gui/editor/explanation_panel.h"

#include <array>

#include <wx/dcbuffer.h>
#include <wx/settings.h>
#include <wx/tokenzr.h>

#include "gui/kit/wx_text.h"

namespace mirelon {
namespace {

constexpr int kTabStopCharacters = 6;

struct LetterPair {
  char lower;
  const char* lowerMark;
  const char* upperMark;
  const char* reminder;
};

constexpr std::array<LetterPair, 13> kPairs{{
    {'m', "喪", "喪", "MOCHU"},
    {'a', "後", "後", "ATO"},
    {'d', "出", "出", "DASU"},
    {'o', "送", "送", "OKURU"},
    {'u', "受", "受", "UKERU"},
    {'c', "○", "●", "Circle"},
    {'t', "△", "▲", "Triangle"},
    {'v', "▽", "▼", "V に似たり"},
    {'r', "◇", "◆", "Rhombus"},
    {'s', "☆", "★", "Star"},
    {'x', "×", "※", "X に似たり"},
    {'b', "■", "■", "Black Box"},
    {'w', "◎", "◎", "W (double)"},
}};

}  // namespace

wxString HistoryConversionExplanation() {
  std::string text = "  履歴特殊変換の半角文字と全角文字の対応\r\n";
  text += " \"．\"\t→ 送信しない履歴記号\r\n";
  for (const LetterPair& pair : kPairs) {
    const char upper = static_cast<char>(pair.lower - 'a' + 'A');
    text += std::string(" \"") + pair.lower + "\"\t→ \"" + pair.lowerMark + "\"\t \"" + upper + "\"\t→ \"" +
            pair.upperMark + "\"\t" + pair.reminder + "\r\n";
  }
  text += " \"0\" ～ \"9\" → \"０\" ～ \"９\"\r\n";
  text += "その他の半角文字は該当する全角文字に変換\r\n";
  text += " （\"□\"は空白と同じ意味に使用）";
  return U8(text);
}

ExplanationPanel::ExplanationPanel(wxWindow* parent, wxWindowID id, const wxRect& rect)
    : wxWindow(parent, id, rect.GetPosition(), rect.GetSize(), wxFULL_REPAINT_ON_RESIZE),
      textColour_(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT)),
      backColour_(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE)) {
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &ExplanationPanel::OnPaint, this);
}

void ExplanationPanel::SetText(const wxString& text) {
  text_ = text;
  Refresh();
  Update();
}

void ExplanationPanel::SetColours(const wxColour& text, const wxColour& background) {
  textColour_ = text;
  backColour_ = background;
  Refresh();
  Update();
}

void ExplanationPanel::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(backColour_));
  dc.Clear();
  dc.SetFont(GetParent()->GetFont());
  dc.SetTextForeground(textColour_);
  const int tabWidth = kTabStopCharacters * dc.GetCharWidth();
  const int lineHeight = dc.GetCharHeight();
  wxString text(text_);
  text.Replace("\r\n", "\n");
  int y = 0;
  for (const wxString& line : wxSplit(text, '\n', '\0')) {
    int x = 0;
    const wxArrayString pieces = wxSplit(line, '\t', '\0');
    for (size_t i = 0; i < pieces.size(); ++i) {
      if (i > 0) x = (x / tabWidth + 1) * tabWidth;
      dc.DrawText(pieces[i], x, y);
      x += dc.GetTextExtent(pieces[i]).GetWidth();
    }
    y += lineHeight;
  }
}

}  // namespace mirelon
