#include "gui/dialogs/merge_dialog.h"

#include <wx/button.h>
#include <wx/choice.h>

#include "book/address_book.h"
#include "book/history_merge.h"
#include "gui/kit/message_box.h"
#include "gui/kit/wx_text.h"
#include "res/merge_resources.h"
#include "text/cp932.h"
#include "text/sjis.h"

namespace mirelon {
namespace {

using namespace literals;

constexpr int kNameColumn = 24;  // bytes of each column of an address entry

// Registration name and name in two columns, so the fixed-pitch list reads as a table.
std::string AddressEntry(const AddressRecord& record) {
  std::string registrationName = record.registrationName;
  FitToHalfWidth(registrationName, kNameColumn, true);
  std::string name = record.name;
  FitToHalfWidth(name, kNameColumn, false);
  return registrationName + "  " + name;
}

std::string JoinQuestion(const AddressRecord& history, const AddressRecord& address) {
  return "\"" + history.registrationName + "\" " + "の履歴を"_sjis + "\r\n\"" + address.registrationName +
         "／"_sjis + address.name + "\"\r\n" + "の宛名の履歴とします"_sjis;
}

}  // namespace

HistoryMergeDialog::HistoryMergeDialog(wxWindow* parent, AddressBook& book, bool tooltips)
    : TemplateDialog(parent, res::MergeTemplate()), book_(book) {
  tooltips_.Add(this, res::MergeTooltips());
  tooltips_.Add(this, {res::kIdMergeJoin},
                "上記で選択した２つのデータを組み合わせて、１つのデータに結合します。\r\n"
                "登録名(ﾌﾘｶﾞﾅ)は「履歴のない宛名データ」のものが採用されます。\r\n"
                "最後の結合を行ったときは、メインの設定ウィンドウへ移行します。");
  tooltips_.Add(this, {res::kIdMergeClose},
                "メインの設定ウィンドウへ移行します。\r\n"
                "選択可能な「宛名のない履歴データ」は宛名が「★★★★★」になります。\r\n"
                "選択可能な「履歴のない宛名データ」は履歴なしになります。");
  tooltips_.Activate(tooltips);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnJoin(); }, res::kIdMergeJoin);
  FillLists();
}

void HistoryMergeDialog::FillLists() {
  auto& historyList = Control<wxChoice>(res::kIdHistoryOnlyList);
  auto& addressList = Control<wxChoice>(res::kIdAddressOnlyList);
  historyList.Clear();
  addressList.Clear();
  historyOnly_.clear();
  addressOnly_.clear();
  for (int i = 0; i < book_.recordCount(); ++i) {
    const AddressRecord& record = book_.record(i);
    if (record.pairing == Pairing::AddressOnly) {
      addressList.Append(FromCp932(AddressEntry(record)));
      addressOnly_.push_back(i);
    } else if (record.pairing == Pairing::HistoryOnly) {
      historyList.Append(FromCp932(record.registrationName));
      historyOnly_.push_back(i);
    }
  }
  Control<wxButton>(res::kIdMergeJoin).Enable(!addressOnly_.empty());
  if (addressOnly_.empty()) addressList.Append(wxString());
  historyList.SetSelection(historyOnly_.empty() ? wxNOT_FOUND : 0);
  addressList.SetSelection(0);
}

void HistoryMergeDialog::OnJoin() {
  const int historyEntry = Control<wxChoice>(res::kIdHistoryOnlyList).GetSelection();
  const int addressEntry = Control<wxChoice>(res::kIdAddressOnlyList).GetSelection();
  if (historyEntry < 0 || historyEntry >= static_cast<int>(historyOnly_.size()) || addressEntry < 0 ||
      addressEntry >= static_cast<int>(addressOnly_.size())) {
    return;
  }
  const int historyIndex = historyOnly_[static_cast<size_t>(historyEntry)];
  const int addressIndex = addressOnly_[static_cast<size_t>(addressEntry)];
  if (!ShowMessageBox(JoinQuestion(book_.record(historyIndex), book_.record(addressIndex)),
                      PromptButtons::OkCancel)) {
    return;
  }
  JoinHistoryRecord(book_, historyIndex, addressIndex);
  FillLists();
  if (historyOnly_.empty()) Finish(wxID_OK);
}

void HistoryMergeDialog::OnCancel() {
  NameUnjoinedHistories(book_);
  Finish(wxID_CANCEL);
}

}  // namespace mirelon
