// The merge window: its lists in book order, the join question, joining, closing after the last
// join, and naming what is left when it is closed.
#include <wx/button.h>
#include <wx/choice.h>

#include "book/address_book.h"
#include "gui/dialogs/merge_dialog.h"
#include "gui/kit/message_box.h"
#include "gui/support/gui_test_support.h"
#include "res/merge_resources.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;
using test::ExpectMessage;

std::vector<std::string> Entries(wxWindow* dialog, int id) {
  std::vector<std::string> entries;
  for (const wxString& entry : test::ControlOf<wxChoice>(dialog, id).GetStrings()) {
    entries.emplace_back(entry.utf8_str());
  }
  return entries;
}

class MergeDialogTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (dialog_ != nullptr) dialog_->Destroy();
  }

  void Add(std::string_view registrationName, std::string_view name, Pairing pairing,
           std::string_view phone = "", std::string_view sendHistory = "") {
    AddressRecord record;
    record.registrationName = Sjis(registrationName);
    record.name = Sjis(name);
    record.phone = Sjis(phone);
    record.sendHistory = Sjis(sendHistory);
    record.pairing = pairing;
    book_.AddRecord(record);
  }
  HistoryMergeDialog& Open() {
    dialog_ = new HistoryMergeDialog(nullptr, book_, true);
    dialog_->Show();
    test::Pump();
    return *dialog_;
  }
  bool JoinEnabled() { return test::ControlOf<wxButton>(dialog_, res::kIdMergeJoin).IsEnabled(); }

  AddressBook book_;
  HistoryMergeDialog* dialog_ = nullptr;
};

TEST_F(MergeDialogTest, ListsShowHistoryOnlyNamesAndAddressOnlyColumnsInBookOrder) {
  Add("アイ", "相田", Pairing::AddressOnly);
  Add("イチ", "", Pairing::HistoryOnly);
  Add("ウエ", "上野", Pairing::Joined);
  Add("エビサワ　ナガイナマエノヒト", "海老沢　永", Pairing::AddressOnly);  // 28 bytes
  Add("オカ", "", Pairing::HistoryOnly);
  Add("オｵカミナガイナマエノヒトタチ", "大神", Pairing::AddressOnly);  // ト would take bytes 24 and 25
  HistoryMergeDialog& dialog = Open();
  EXPECT_EQ(std::string(dialog.GetTitle().utf8_str()), "宛名と履歴の結合");
  EXPECT_EQ(Entries(&dialog, res::kIdHistoryOnlyList), (std::vector<std::string>{"イチ", "オカ"}));
  EXPECT_EQ(Entries(&dialog, res::kIdAddressOnlyList),
            (std::vector<std::string>{"アイ" + std::string(22, ' ') + "相田", "エビサワ　ナガイナマエノ  海老沢　永",
                                      "オｵカミナガイナマエノヒ   大神"}));
  EXPECT_EQ(test::ControlOf<wxChoice>(&dialog, res::kIdHistoryOnlyList).GetSelection(), 0);
  EXPECT_EQ(test::ControlOf<wxChoice>(&dialog, res::kIdAddressOnlyList).GetSelection(), 0);
  EXPECT_TRUE(JoinEnabled());
}

TEST_F(MergeDialogTest, TheLastJoinGivesTheAddressRecordTheHistoryAndCloses) {
  Add("ヤマダ　ハナコ", "山田　花子", Pairing::AddressOnly);
  Add("タナカ　ソウイチ", "", Pairing::HistoryOnly, "045", "○○□");
  HistoryMergeDialog& dialog = Open();
  wxTEST_DIALOG(test::Click(&dialog, res::kIdMergeJoin),
                ExpectMessage("\"タナカ　ソウイチ\" の履歴を\n\"ヤマダ　ハナコ／山田　花子\"\nの宛名の履歴とします", wxID_OK));
  ASSERT_EQ(book_.recordCount(), 1);
  EXPECT_EQ(book_.record(0).registrationName, "ヤマダ　ハナコ"_sjis);
  EXPECT_EQ(book_.record(0).phone, "045");
  EXPECT_EQ(book_.record(0).sendHistory, "○○□"_sjis);
  EXPECT_EQ(book_.record(0).pairing, Pairing::Joined);
  EXPECT_TRUE(book_.modified);
  EXPECT_FALSE(dialog.IsShown());
  EXPECT_EQ(dialog.GetReturnCode(), wxID_OK);
}

TEST_F(MergeDialogTest, CancellingTheQuestionChangesNothing) {
  Add("アイ", "相田", Pairing::AddressOnly);
  Add("イチ", "", Pairing::HistoryOnly);
  HistoryMergeDialog& dialog = Open();
  wxTEST_DIALOG(test::Click(&dialog, res::kIdMergeJoin),
                ExpectMessage("\"イチ\" の履歴を\n\"アイ／相田\"\nの宛名の履歴とします", wxID_CANCEL));
  EXPECT_EQ(book_.recordCount(), 2);
  EXPECT_FALSE(book_.modified);
  EXPECT_TRUE(dialog.IsShown());
}

TEST_F(MergeDialogTest, JoinsTheSelectedPairAndNamesWhatIsLeftWhenClosed) {
  Add("アイ", "相田", Pairing::AddressOnly);
  Add("イチ", "", Pairing::HistoryOnly);
  Add("ウエ", "", Pairing::HistoryOnly);
  HistoryMergeDialog& dialog = Open();
  test::Select(&dialog, res::kIdHistoryOnlyList, 1);
  wxTEST_DIALOG(test::Click(&dialog, res::kIdMergeJoin),
                ExpectMessage("\"ウエ\" の履歴を\n\"アイ／相田\"\nの宛名の履歴とします", wxID_OK));
  EXPECT_TRUE(dialog.IsShown());
  EXPECT_EQ(Entries(&dialog, res::kIdHistoryOnlyList), (std::vector<std::string>{"イチ"}));
  EXPECT_EQ(Entries(&dialog, res::kIdAddressOnlyList), (std::vector<std::string>{""}));
  EXPECT_FALSE(JoinEnabled());

  book_.modified = false;
  test::Click(&dialog, res::kIdMergeClose);
  EXPECT_FALSE(dialog.IsShown());
  ASSERT_EQ(book_.recordCount(), 2);
  EXPECT_EQ(book_.record(0).pairing, Pairing::Joined);
  EXPECT_EQ(book_.record(0).name, "相田"_sjis);
  EXPECT_EQ(book_.record(1).name, "★★★★★"_sjis);
  EXPECT_EQ(book_.record(1).pairing, Pairing::HistoryOnly);
  EXPECT_FALSE(book_.modified);
}

TEST_F(MergeDialogTest, TheCloseBoxAndEscapeNameWhatIsLeftLikeTheCloseButton) {
  for (const bool escape : {false, true}) {
    SCOPED_TRACE(escape);
    book_ = AddressBook();
    Add("アイ", "相田", Pairing::AddressOnly);
    Add("イチ", "", Pairing::HistoryOnly);
    HistoryMergeDialog& dialog = Open();
    if (escape) {
      wxKeyEvent key(wxEVT_CHAR_HOOK);
      key.m_keyCode = WXK_ESCAPE;
      key.SetEventObject(&dialog);
      dialog.ProcessWindowEvent(key);
    } else {
      dialog.Close();
    }
    test::Pump();
    EXPECT_FALSE(dialog.IsShown());
    EXPECT_EQ(book_.record(1).name, "★★★★★"_sjis);
    EXPECT_EQ(book_.record(0).name, "相田"_sjis);
    dialog_->Destroy();
    dialog_ = nullptr;
  }
}

}  // namespace
}  // namespace mirelon
