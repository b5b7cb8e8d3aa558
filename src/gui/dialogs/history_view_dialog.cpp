#include "gui/dialogs/history_view_dialog.h"

#include <algorithm>

#include <wx/dcclient.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "book/address_book.h"
#include "book/free_history_text.h"
#include "gui/kit/message_box.h"
#include "gui/kit/wx_text.h"
#include "res/history_resources.h"

namespace mirelon {

using namespace res;

namespace {

// Above this font height the dialog takes its enlarged layout.
constexpr int kNormalTextHeight = 20;
constexpr int kEnlargedNarrowing = 24;
constexpr int kEnlargedEditWidth = 382;
constexpr int kRulerTicks = 26;

std::string_view KindWord(HistoryKind kind) { return kind == HistoryKind::Receive ? "受信" : "送信"; }

}  // namespace

HistoryViewDialog::HistoryViewDialog(wxWindow* parent, const AddressBook& book, int page, HistoryKind kind,
                                     int textHeight, bool tooltips)
    : TemplateDialog(parent, HistoryViewTemplate()),
      year_(book.year),
      kind_(kind),
      enlarged_(textHeight > kNormalTextHeight),
      showTooltips_(tooltips) {
  const AddressRecord& record = book.record(page - 1);
  history_ = kind == HistoryKind::Receive ? record.receiveHistory : record.sendHistory;
  SetTitle(U8(kind == HistoryKind::Receive ? "受信履歴確認" : "送信履歴確認"));
  const int length = static_cast<int>(history_.size());
  const int firstYear = std::min(year_, year_ - length / 2 + 1);
  Control<wxStaticText>(kIdHistoryLabel)
      .SetLabel(wxString::Format(U8("%d年から%d年までの%s履歴です"), firstYear, year_, U8(KindWord(kind))));
  ShowHistory();
  if (enlarged_) {
    const wxSize size = GetSize();
    SetSize(size.x - kEnlargedNarrowing, size.y);
    wxWindow& edit = Control<wxTextCtrl>(kIdHistoryText);
    edit.SetSize(kEnlargedEditWidth, edit.GetSize().y);
  }
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnFreeEdit(); }, kIdFreeEdit);
  Bind(wxEVT_PAINT, &HistoryViewDialog::OnPaint, this);
  tooltips_.Add(this, HistoryViewTooltips());
  tooltips_.Activate(tooltips);
}

void HistoryViewDialog::ShowHistory() {
  auto& edit = Control<wxTextCtrl>(kIdHistoryText);
  edit.ChangeValue(FromCp932(history_));
  edit.SetInsertionPointEnd();  // the newest marks in view
}

HistoryRuler HistoryViewDialog::Ruler() const { return enlarged_ ? HistoryRuler{29, 15, 78} : HistoryRuler{23, 12, 63}; }

void HistoryViewDialog::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  dc.SetPen(wxPen(*wxBLACK, 1));
  const HistoryRuler ruler = Ruler();
  for (int i = 0; i < kRulerTicks; ++i) {
    const int x = ruler.x0 + i * ruler.step;
    dc.DrawLine(x, ruler.y0, x, ruler.y0 + (i % 5 == 0 ? 5 : 2));
  }
}

void HistoryViewDialog::OnFreeEdit() {
  HistoryEditDialog edit(this, year_, KindWord(kind_), history_, showTooltips_);
  if (edit.ShowModal() != wxID_OK) return;
  history_ = edit.History();
  ShowHistory();
}

HistoryEditDialog::HistoryEditDialog(wxWindow* parent, int year, std::string_view kindWord, const std::string& history,
                                     bool tooltips)
    : TemplateDialog(parent, HistoryEditTemplate()), history_(history) {
  SetTitle(U8(kindWord) + U8("履歴自由編集"));
  Control<wxStaticText>(kIdHistoryLabel).SetLabel(wxString::Format(U8("%d年までの%s履歴です"), year, U8(kindWord)));
  exchange_.BindText(kIdHistoryText, &history_, 0, std::string(kindWord) + "履歴");
  exchange_.Attach(this);
  exchange_.Push();
  tooltips_.Add(this, HistoryEditTooltips());
  tooltips_.Activate(tooltips);
}

void HistoryEditDialog::OnOk() {
  if (!exchange_.Pull()) return;
  history_ = NormalizeFreeHistory(history_);
  exchange_.Push();
  TemplateDialog::OnOk();
}

}  // namespace mirelon
