// The GUI kit: templates to controls, the CP932 boundary of data exchange, message boxes and
// settings over wxConfig.
#include <memory>

#include <wx/app.h>
#include <wx/choice.h>
#include <wx/filename.h>
#include <wx/fileconf.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "gui/kit/data_exchange.h"
#include "gui/kit/template_dialog.h"
#include "gui/kit/wx_settings_store.h"
#include "gui/support/gui_test_support.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace mirelon::literals;
using test::ExpectMessage;

const res::DialogTemplate& KitTemplate() {
  static const res::DialogTemplate dialog{
      900, "テスト", res::kProportionalFace, 9, 200, 100,
      {
          {10, res::ControlKind::Edit, "", 5, 5, 80, 12, res::kStyleNone, 6},
          {11, res::ControlKind::Edit, "", 5, 20, 80, 30, res::kMultiLine},
          {12, res::ControlKind::DropList, "送信する\n送信しない", 5, 55, 80, 60},
          {13, res::ControlKind::Edit, "", 100, 5, 30, 12, res::kDigitsOnly},
          {14, res::ControlKind::Label, "*", 100, 20, 10, 10, res::kNotify | res::kBorder | res::kAlignCentre},
          {2, res::ControlKind::Button, "閉じる", 140, 80, 50, 14},
      }};
  return dialog;
}

class GuiKit : public ::testing::Test {
 protected:
  void SetUp() override {
    dialog_ = new TemplateDialog(nullptr, KitTemplate());
    exchange_.BindText(10, &name_, 6, "名前");
    exchange_.BindText(11, &memo_, 0, "メモ");
    exchange_.BindChoice(12, &state_);
    exchange_.BindNumber(13, &page_, 1, 1000);
    exchange_.Attach(dialog_);
    dialog_->Show();
    test::Pump();
  }
  void TearDown() override { dialog_->Destroy(); }

  TemplateDialog* dialog_ = nullptr;
  DataExchange exchange_;
  std::string name_;
  std::string memo_;
  std::string state_ = "送信しない"_sjis;
  int page_ = 7;
};

TEST_F(GuiKit, ControlsTakeTheirNumbersTextsAndDialogUnitRectangles) {
  EXPECT_EQ(dialog_->GetTitle(), U8("テスト"));
  EXPECT_EQ(test::LabelOf(dialog_, 2), "閉じる");
  const wxPoint unit = dialog_->ConvertDialogToPixels(wxPoint(200, 100));
  EXPECT_EQ(dialog_->GetClientSize(), wxSize(unit.x, unit.y));
  EXPECT_EQ(dialog_->FindWindow(13)->GetPosition(), dialog_->ConvertDialogToPixels(wxPoint(100, 5)));
  EXPECT_EQ(test::ControlOf<wxChoice>(dialog_, 12).GetCount(), 2u);
}

TEST_F(GuiKit, UntouchedFieldsKeepBytesThatDoNotDecode) {
  name_ = std::string("\x82\xa0\xff", 3);  // あ + a byte of no character
  memo_ = "一行目\r\n二行目"_sjis;
  exchange_.Push();
  EXPECT_EQ(test::TextOf(dialog_, 11), "一行目\n二行目");
  EXPECT_EQ(test::TextOf(dialog_, 12), "送信しない");
  EXPECT_EQ(test::TextOf(dialog_, 13), "7");

  test::ControlOf<wxTextCtrl>(dialog_, 11).ChangeValue(U8("一行目\n三行目"));
  ASSERT_TRUE(exchange_.Pull());
  EXPECT_EQ(name_, std::string("\x82\xa0\xff", 3));
  EXPECT_EQ(memo_, "一行目\r\n三行目"_sjis);
}

TEST_F(GuiKit, CharactersOutsideCp932AreRefusedNamingTheField) {
  exchange_.Push();
  test::ControlOf<wxTextCtrl>(dialog_, 11).ChangeValue(U8("メモ"));
  test::ControlOf<wxTextCtrl>(dialog_, 10).ChangeValue(U8("𠮷野"));
  bool pulled = true;
  wxTEST_DIALOG(pulled = exchange_.Pull(),
                ExpectMessage("「名前」に使用できない文字「𠮷」が含まれています。\n"
                              "Shift-JIS で表せる文字に直してください。",
                              wxID_OK));
  EXPECT_FALSE(pulled);
  EXPECT_EQ(name_, "");
  // The edit keeps what the user typed, so nothing else on the page is lost.
  EXPECT_EQ(test::TextOf(dialog_, 10), "𠮷野");
}

TEST_F(GuiKit, AChangePastTheByteLimitLeavesTheFieldAsItWas) {
  const struct {
    const char* shown;  // written by the program
    long at;
    const char* inserted;
    const char* expected;
  } cases[] = {
      {"", 0, "あいうえ", ""},  // double-byte characters count twice
      {"", 0, "ｱｲｳｴｵｶ", "ｱｲｳｴｵｶ"},
      {"ｱｲｳｴ", 1, "xyz", "ｱｲｳｴ"},
      {"ｱｲｳｴ", 1, "xy", "ｱxyｲｳｴ"},
      {"ｶｷｸｹｺｻｼｽ", 0, "x", "ｶｷｸｹｺｻｼｽ"},  // a field too long already takes nothing more
  };
  auto& edit = test::ControlOf<wxTextCtrl>(dialog_, 10);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.inserted);
    edit.ChangeValue(U8(c.shown));
    wxTheApp->ProcessIdle();  // as the program's writes are followed before the next input
    edit.SetInsertionPoint(c.at);
    edit.WriteText(U8(c.inserted));
    test::Pump();
    EXPECT_EQ(test::TextOf(dialog_, 10), c.expected);
  }
  // ... but may be shortened.
  edit.Remove(0, 1);
  EXPECT_EQ(test::TextOf(dialog_, 10), "ｷｸｹｺｻｼｽ");
}

TEST_F(GuiKit, PageNumbersOutsideTheirRangeAreRefused) {
  exchange_.Push();
  test::ControlOf<wxTextCtrl>(dialog_, 13).ChangeValue("1001");
  bool pulled = true;
  wxTEST_DIALOG(pulled = exchange_.Pull(), ExpectMessage("1 から 1000 までの整数を入力してください。", wxID_OK));
  EXPECT_FALSE(pulled);
  EXPECT_EQ(page_, 7);
  // An input method's full-width digits are digits.
  test::ControlOf<wxTextCtrl>(dialog_, 13).ChangeValue(U8("１２"));
  EXPECT_TRUE(exchange_.Pull());
  EXPECT_EQ(page_, 12);
}

TEST_F(GuiKit, ProgramWritesAreMarkedAsExchanges) {
  int userEdits = 0;
  dialog_->Bind(wxEVT_TEXT, [&](wxCommandEvent&) { userEdits += exchange_.Exchanging() ? 0 : 1; }, 10);
  name_ = "山田"_sjis;
  exchange_.Push();
  test::Type(dialog_, 10, "田中");
  EXPECT_EQ(userEdits, 1);
}

TEST_F(GuiKit, NotifyingLabelsReportClicksAsButtons) {
  int clicks = 0;
  dialog_->Bind(wxEVT_BUTTON, [&](wxCommandEvent&) { ++clicks; }, 14);
  wxMouseEvent press(wxEVT_LEFT_DOWN);
  dialog_->FindWindow(14)->ProcessWindowEvent(press);
  EXPECT_EQ(clicks, 1);
}

TEST(MessageBox, AnswersMapToTrueForOkAndYes) {
  bool answer = false;
  wxTEST_DIALOG(answer = ShowMessageBox("このページを削除します"_sjis, PromptButtons::OkCancel),
                ExpectMessage("このページを削除します", wxID_OK));
  EXPECT_TRUE(answer);
  wxTEST_DIALOG(answer = ShowMessageBox("%s\r\nファイルが壊れています"_sjis, PromptButtons::YesNo),
                ExpectMessage("%s\nファイルが壊れています", wxID_NO));
  EXPECT_FALSE(answer);
}

// Through the X server: Return gives the answer that keeps things.
TEST(MessageBox, ReturnGivesTheDefaultAnswer) {
  test::AllowModalDialogs realRun;
  for (const auto& [buttons, answer] : {std::pair{PromptButtons::OkCancelDefaultCancel, wxID_CANCEL},
                                        std::pair{PromptButtons::YesNoDefaultNo, wxID_NO}}) {
    MessageBoxDialog box(nullptr, "?", buttons);
    wxTimer timer;
    int ticks = 0;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
      if (++ticks == 5) {
        wxUIActionSimulator keys;
        keys.MouseMove(box.GetScreenRect().GetPosition() + wxPoint(10, 10));
        keys.Char(WXK_RETURN);
      }
      if (ticks > 60) box.EndModal(wxID_ABORT);  // never waits for a user
    });
    timer.Start(50);
    EXPECT_EQ(box.ShowModal(), answer);
  }
}

TEST(MessageBox, ButtonsAreJapaneseWhateverTheLocale) {
  MessageBoxDialog dialog(nullptr, "?", PromptButtons::YesNo);
  EXPECT_EQ(dialog.FindWindow(wxID_YES)->GetLabel(), U8("はい"));
  EXPECT_EQ(dialog.FindWindow(wxID_NO)->GetLabel(), U8("いいえ"));
  MessageBoxDialog okCancel(nullptr, "?", PromptButtons::OkCancel);
  EXPECT_EQ(okCancel.FindWindow(wxID_CANCEL)->GetLabel(), U8("キャンセル"));
}

TEST(WxSettingsStore, ValuesSurviveInTheFileWithTheirDefaults) {
  const wxString path = wxFileName::CreateTempFileName("mirelon-settings");
  {
    WxSettingsStore store(std::make_unique<wxFileConfig>("", "", path, "", wxCONFIG_USE_LOCAL_FILE));
    EXPECT_EQ(store.GetInt("Misc", "toolTipCtrl", 1), 1);
    EXPECT_EQ(store.GetString("Misc", "bkColor", "0 0 0"), "0 0 0");
    store.SetInt("Misc", "wndWidth", -1);
    store.SetString("Misc", "recentFile", "/home/ユーザー/住所.csv");
  }
  WxSettingsStore reread(std::make_unique<wxFileConfig>("", "", path, "", wxCONFIG_USE_LOCAL_FILE));
  EXPECT_EQ(reread.GetInt("Misc", "wndWidth", 0), -1);
  EXPECT_EQ(reread.GetString("Misc", "recentFile", ""), "/home/ユーザー/住所.csv");
  wxRemoveFile(path);
}

// The sender of the cards is CP932 (a path is UTF-8): whatever the bytes, they come back.
TEST(WxSettingsStore, StringsOfAnyEncodingComeBackByteForByte) {
  const std::string values[] = {Sjis("東京都港区芝公園　四丁目 ｱｲｳ かな 表ソ能"), "bytes:41", std::string("\x82", 1)};
  const wxString path = wxFileName::CreateTempFileName("mirelon-settings");
  for (size_t i = 0; i < std::size(values); ++i) {
    WxSettingsStore(std::make_unique<wxFileConfig>("", "", path, "", wxCONFIG_USE_LOCAL_FILE))
        .SetString("Cards", "v" + std::to_string(i), values[i]);
  }
  WxSettingsStore reread(std::make_unique<wxFileConfig>("", "", path, "", wxCONFIG_USE_LOCAL_FILE));
  for (size_t i = 0; i < std::size(values); ++i) EXPECT_EQ(reread.GetString("Cards", "v" + std::to_string(i), ""), values[i]);
  wxRemoveFile(path);
}

}  // namespace
}  // namespace mirelon
