// The history confirmation and free-edit dialogs on their own.
#include <wx/textctrl.h>

#include "appcore/app_state.h"
#include "appcore/program_settings.h"
#include "gui/dialogs/history_view_dialog.h"
#include "gui/support/gui_test_support.h"
#include "res/history_resources.h"
#include "text/cp932.h"

namespace mirelon::test {
namespace {

using namespace res;
using namespace literals;

class HistoryDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state_.book.year = 2005;
    AddressRecord record;
    record.registrationName = "あべ"_sjis;
    state_.book.AddRecord(record);
  }
  AddressRecord& Record() { return state_.book.record(0); }

  MemorySettingsStore settings_;
  AppState state_{settings_};
};

TEST_F(HistoryDialogTest, TheLabelCountsYearsFromTheHistoryLength) {
  {
    HistoryViewDialog view(nullptr, state_.book, 1, HistoryKind::Send, state_.dialogTextHeight, true);
    EXPECT_EQ(LabelOf(&view, kIdHistoryLabel), "2005年から2005年までの送信履歴です");
  }
  Record().receiveHistory = "○○○○○○○○○×"_sjis;
  HistoryViewDialog ten(nullptr, state_.book, 1, HistoryKind::Receive, state_.dialogTextHeight, true);
  EXPECT_EQ(LabelOf(&ten, kIdHistoryLabel), "1996年から2005年までの受信履歴です");
  EXPECT_EQ(ten.GetTitle(), U8("受信履歴確認"));
  auto& edit = ControlOf<wxTextCtrl>(&ten, kIdHistoryText);
  EXPECT_EQ(edit.GetInsertionPoint(), edit.GetLastPosition());  // the newest marks in view
  Record().receiveHistory += " ";
  HistoryViewDialog odd(nullptr, state_.book, 1, HistoryKind::Receive, state_.dialogTextHeight, true);
  EXPECT_EQ(LabelOf(&odd, kIdHistoryLabel), "1996年から2005年までの受信履歴です");
}

TEST_F(HistoryDialogTest, TheRulerAndEditGrowAboveATextHeightOfTwenty) {
  state_.dialogTextHeight = 20;
  HistoryViewDialog normal(nullptr, state_.book, 1, HistoryKind::Send, state_.dialogTextHeight, true);
  EXPECT_FALSE(normal.Enlarged());
  EXPECT_EQ(normal.Ruler().x0, 23);
  state_.dialogTextHeight = 21;
  HistoryViewDialog enlarged(nullptr, state_.book, 1, HistoryKind::Send, state_.dialogTextHeight, true);
  EXPECT_EQ(enlarged.Ruler().x0, 29);
  EXPECT_EQ(enlarged.Ruler().step, 15);
  EXPECT_EQ(enlarged.Ruler().y0, 78);
  EXPECT_EQ(enlarged.FindWindow(kIdHistoryText)->GetSize().x, 382);
  EXPECT_EQ(enlarged.GetSize().x, normal.GetSize().x - 24);
}

TEST_F(HistoryDialogTest, CancellingTheFreeEditLeavesTheText) {
  Record().sendHistory = "○×"_sjis;
  HistoryViewDialog view(nullptr, state_.book, 1, HistoryKind::Send, state_.dialogTextHeight, true);
  wxTEST_DIALOG(Click(&view, kIdFreeEdit), ExpectDialog<HistoryEditDialog>([](HistoryEditDialog& edit) {
                  EXPECT_EQ(LabelOf(&edit, kIdHistoryLabel), "2005年までの送信履歴です");
                  Type(&edit, kIdHistoryText, "abc");
                  return wxID_CANCEL;
                }));
  EXPECT_EQ(view.History(), "○×"_sjis);
  EXPECT_EQ(TextOf(&view, kIdHistoryText), "○×");
}

TEST_F(HistoryDialogTest, TheFreeEditNormalisesOnOkAndKeepsUntouchedBytes) {
  HistoryEditDialog edit(nullptr, 2005, "受信", std::string("\x81\x9B\xFF\xFF", 4), true);
  EXPECT_EQ(edit.GetTitle(), U8("受信履歴自由編集"));
  Click(&edit, 1);
  EXPECT_EQ(edit.History(), std::string("\x81\x9B\xFF\xFF", 4));
  Type(&edit, kIdHistoryText, "a○");
  Click(&edit, 1);
  EXPECT_EQ(Cp932ToUtf8(edit.History()), " a○");
  EXPECT_EQ(TextOf(&edit, kIdHistoryText), " a○");
}

}  // namespace
}  // namespace mirelon::test
