// The editor's pages: committing, paging by field, spin and keys, labels and enabling, the
// honorific lists, the send-state question and the refusal of text the book cannot hold.
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>

#include "gui/support/editor_fixture.h"
#include "text/cp932.h"

namespace mirelon::test {
namespace {

using namespace res;
using namespace literals;

std::vector<std::string> ComboItems(wxWindow* window, int id) {
  std::vector<std::string> items;
  auto& combo = ControlOf<wxComboBox>(window, id);
  for (unsigned i = 0; i < combo.GetCount(); ++i) items.emplace_back(combo.GetString(i).utf8_str());
  return items;
}

TEST_F(EditorTest, AnEmptyBookOpensOnTheNewPageWithTheBookButtonsOff) {
  Open();
  EXPECT_EQ(LabelOf(window_, kIdFileName), "新規ファイル");
  EXPECT_EQ(LabelOf(window_, kIdRecordCount), "/0");
  EXPECT_EQ(TextOf(window_, kIdPageNumber), "1");
  for (int id : {kIdWriteFile, kIdOpenList, kIdDeletePage, kIdIndex, kIdSendHistory, kIdReceiveHistory}) {
    EXPECT_FALSE(Enabled(id)) << id;
  }
  EXPECT_TRUE(Enabled(kIdNewPage));
  EXPECT_TRUE(Enabled(kIdLaunchQuelta));
  EXPECT_EQ(TextOf(window_, kIdFirstSendMark), "？");
  EXPECT_EQ(TextOf(window_, kIdFirstSendMark + 4), "");
  EXPECT_EQ(TextOf(window_, kIdSendState), "送信する");
}

TEST_F(EditorTest, YearAndZodiacLabelsFollowTheBookYear) {
  Open();
  const char* years[] = {"2010", "2011", "2012", "2013", "2014"};
  const char* signs[] = {"寅", "卯", "辰", "巳", "午"};
  for (int i = 0; i < kHistoryColumns; ++i) {
    EXPECT_EQ(LabelOf(window_, kIdFirstYear + i), years[i]);
    EXPECT_EQ(LabelOf(window_, kIdFirstZodiac + i), signs[i]);
  }
  EXPECT_EQ(LabelOf(window_, kIdConversionIndicator), "-");
}

TEST_F(EditorTest, TheFirstKeystrokeMarksTheBookChangedAndStopsTheLaunchButton) {
  AddRecord("あべ");
  Open();
  EXPECT_TRUE(Enabled(kIdLaunchQuelta));
  Type(window_, kIdPhone, "03-1234-5678");
  EXPECT_TRUE(book_.modified);
  EXPECT_TRUE(editor_->PageModified());
  EXPECT_FALSE(Enabled(kIdLaunchQuelta));
  EXPECT_TRUE(book_.record(0).phone.empty());  // not committed yet
}

TEST_F(EditorTest, ANewRecordIsInsertedInOrderAndTheEditorFollowsIt) {
  AddRecord("いとう");
  AddRecord("かとう");
  Open();
  Click(window_, kIdNewPage);
  EXPECT_EQ(editor_->CurrentPage(), 3);
  Type(window_, kIdRegistrationName, "あべ");
  Type(window_, kIdName, "阿部 一郎");
  PressKey(window_, WXK_PAGEUP);
  ASSERT_EQ(book_.recordCount(), 3);
  EXPECT_EQ(NameOnPage(1), "あべ");
  EXPECT_EQ(Cp932ToUtf8(book_.record(0).name), "阿部 一郎");
  EXPECT_EQ(editor_->CurrentPage(), 1);  // the inserted record, not the page above the new page
  EXPECT_EQ(TextOf(window_, kIdPageNumber), "1");
  EXPECT_EQ(LabelOf(window_, kIdRecordCount), "/3");

  // A name sorting after all others lands on the former new-page number: the editor then goes
  // to the page that was asked for, the record before it.
  Click(window_, kIdNewPage);
  Type(window_, kIdRegistrationName, "わたなべ");
  PressKey(window_, WXK_PAGEUP);
  ASSERT_EQ(book_.recordCount(), 4);
  EXPECT_EQ(NameOnPage(4), "わたなべ");
  EXPECT_EQ(editor_->CurrentPage(), 3);
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "かとう");
}

TEST_F(EditorTest, ARenamedRecordIsFollowedInsteadOfTheTypedPage) {
  for (const char* name : {"あべ", "いとう", "うえだ", "えんどう", "おおた"}) AddRecord(name);
  Open();
  TypePage("5");
  Type(window_, kIdRegistrationName, "ああ");
  TypePage("3");
  EXPECT_EQ(NameOnPage(1), "ああ");
  EXPECT_EQ(editor_->CurrentPage(), 1);
  EXPECT_EQ(book_.currentPage, 1);
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "ああ");
  EXPECT_EQ(book_.recordCount(), 5);
}

TEST_F(EditorTest, AnInvalidPageNumberKeepsThePageAndItsEdits) {
  for (const char* name : {"あべ", "いとう", "うえだ", "えんどう", "おおた"}) AddRecord(name);
  Open();
  TypePage("5");
  wxTEST_DIALOG(TypePage("0"), ExpectMessage("1 から 1000 までの整数を入力してください。", wxID_OK));
  EXPECT_EQ(editor_->CurrentPage(), 5);
  EXPECT_EQ(TextOf(window_, kIdPageNumber), "5");
  Type(window_, kIdRegistrationName, "ああ");
  wxTEST_DIALOG(TypePage(""), ExpectMessage("1 から 1000 までの整数を入力してください。", wxID_OK));
  EXPECT_EQ(editor_->CurrentPage(), 5);
  EXPECT_EQ(TextOf(window_, kIdPageNumber), "5");
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "ああ");
  // The kept edits go in with the next page change, and the editor follows the moved record.
  TypePage("3");
  EXPECT_EQ(editor_->CurrentPage(), 1);
  EXPECT_EQ(NameOnPage(1), "ああ");
  EXPECT_EQ(NameOnPage(5), "えんどう");
}

TEST_F(EditorTest, APageNumberBeyondTheNewPageKeepsThePageOnDisplay) {
  AddRecord("あべ");
  AddRecord("いとう");
  Open();
  PressKey(window_, WXK_PAGEDOWN);
  TypePage("9");
  EXPECT_EQ(editor_->CurrentPage(), 2);
  EXPECT_EQ(TextOf(window_, kIdPageNumber), "2");
  // Edits made now are not lost to a page that does not exist.
  Type(window_, kIdPosition, "係長");
  PressKey(window_, WXK_PAGEUP);
  EXPECT_EQ(Cp932ToUtf8(book_.record(1).position), "係長");
  EXPECT_EQ(editor_->CurrentPage(), 1);
}

TEST_F(EditorTest, BlankRegistrationNamesAreRefused) {
  bool listOpened = false;
  services_.openList = [&] { return listOpened = true; };
  AddRecord("あべ");
  Open();
  Click(window_, kIdNewPage);
  Type(window_, kIdRegistrationName, "　 　");
  Type(window_, kIdName, "名無し");
  wxTEST_DIALOG(Click(window_, kIdOpenList), ExpectMessage("登録名を入力してください", wxID_OK));
  EXPECT_FALSE(listOpened);
  EXPECT_EQ(book_.recordCount(), 1);
  EXPECT_EQ(TextOf(window_, kIdName), "名無し");  // the typed content stays for a correction
  // Navigation goes on and drops the refused page.
  PressKey(window_, WXK_PAGEUP);
  EXPECT_EQ(editor_->CurrentPage(), 1);
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "あべ");
  EXPECT_EQ(book_.recordCount(), 1);
}

TEST_F(EditorTest, PageKeysStopAtBothEndsAndLeaveTheNewPageUpwards) {
  AddRecord("あべ");
  AddRecord("いとう");
  Open();
  PressKey(window_, WXK_PAGEUP);
  EXPECT_EQ(editor_->CurrentPage(), 1);
  PressKey(window_, WXK_PAGEDOWN);
  EXPECT_EQ(editor_->CurrentPage(), 2);
  PressKey(window_, WXK_PAGEDOWN);
  EXPECT_EQ(editor_->CurrentPage(), 2);
  Click(window_, kIdNewPage);
  PressKey(window_, WXK_PAGEUP);
  EXPECT_EQ(editor_->CurrentPage(), 2);
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "いとう");
}

TEST_F(EditorTest, TheSpinPagesThroughItsBuddyField) {
  AddRecord("あべ");
  AddRecord("いとう");
  AddRecord("うえだ");
  Open();
  auto& spin = ControlOf<wxSpinButton>(window_, kIdPageSpin);
  EXPECT_EQ(spin.GetMax(), 3);
  wxSpinEvent up(wxEVT_SPIN_UP, kIdPageSpin);
  up.SetPosition(2);
  spin.ProcessWindowEvent(up);
  Pump();
  EXPECT_EQ(TextOf(window_, kIdPageNumber), "2");
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "いとう");
  EXPECT_EQ(book_.currentPage, 2);
}

TEST_F(EditorTest, ExistingPagesAreCommittedInPlaceKeepingFieldsNotShown) {
  const int page = AddRecord("あべ");
  AddressRecord& record = book_.record(page - 1);
  record.sendHistory = "○×○○○○□"_sjis;
  record.address2 = std::string("\x8A\xDB\xFF", 3);  // bytes that do not decode stay as they are
  Open();
  Type(window_, kIdPosition, "部長");
  Type(window_, kIdFirstSendMark + 4, "後");
  Click(window_, kIdNewPage);
  const AddressRecord& stored = book_.record(0);
  EXPECT_EQ(Cp932ToUtf8(stored.position), "部長");
  EXPECT_EQ(stored.address2, std::string("\x8A\xDB\xFF", 3));
  EXPECT_EQ(Cp932ToUtf8(stored.sendHistory), "○×○○○○後");
}

TEST_F(EditorTest, HonorificsAreCollectedInBookOrderBeforeTheirLongerRelatives) {
  int page = AddRecord("あべ");
  book_.record(page - 1).honorific = "殿"_sjis;
  page = AddRecord("いとう");
  book_.record(page - 1).honorific = "御中"_sjis;
  book_.record(page - 1).jointHonorific1 = "様"_sjis;
  page = AddRecord("うえだ");
  book_.record(page - 1).jointHonorific2 = "殿"_sjis;
  book_.record(page - 1).jointHonorific3 = "　"_sjis;
  Open();
  const std::vector<std::string> initial{"様", "先生", "殿", "御中", ""};
  EXPECT_EQ(ComboItems(window_, kIdHonorific), initial);
  EXPECT_EQ(ComboItems(window_, kIdJointHonorific3), initial);

  Type(window_, kIdJointHonorific1, "御");
  EXPECT_EQ(Cp932ToUtf8(book_.record(0).jointHonorific1), "御");  // committed with the keystroke
  const std::vector<std::string> after{"様", "先生", "殿", "御", "御中", ""};
  for (int id = kIdHonorific; id <= kIdJointHonorific3; ++id) EXPECT_EQ(ComboItems(window_, id), after) << id;
  EXPECT_EQ(TextOf(window_, kIdJointHonorific1), "御");
  EXPECT_EQ(ControlOf<wxComboBox>(window_, kIdJointHonorific1).GetInsertionPoint(), 1);
  EXPECT_TRUE(editor_->PageModified());
}

TEST_F(EditorTest, PickingAnHonorificOnlyMarksThePage) {
  Open();
  // GTK's order for a pick from the list: the item is selected, its text arrives, then the pick.
  auto& combo = ControlOf<wxComboBox>(window_, kIdJointHonorific2);
  combo.SetSelection(1);
  wxCommandEvent text(wxEVT_TEXT, kIdJointHonorific2);
  text.SetEventObject(&combo);
  combo.ProcessWindowEvent(text);
  Select(window_, kIdJointHonorific2, 1);
  // No commit: the blank registration name of the new page is not complained about.
  EXPECT_TRUE(editor_->PageModified());
  EXPECT_EQ(book_.recordCount(), 0);
  EXPECT_EQ(TextOf(window_, kIdJointHonorific2), "先生");
}

TEST_F(EditorTest, TheSendStateQuestionChangesOnlyTheNewestSendMark) {
  AddRecord("あべ");
  book_.nonSendMark = "喪"_sjis;
  Open();
  wxTEST_DIALOG(Select(window_, kIdSendState, 1), ExpectMessage("最新送信履歴も変更しますか？", wxID_YES));
  EXPECT_EQ(TextOf(window_, kIdFirstSendMark + 4), "喪");
  wxTEST_DIALOG(Select(window_, kIdSendState, 0), ExpectMessage("最新送信履歴も変更しますか？", wxID_YES));
  EXPECT_EQ(TextOf(window_, kIdFirstSendMark + 4), "");
  Type(window_, kIdFirstSendMark + 4, "後");
  wxTEST_DIALOG(Select(window_, kIdSendState, 1), ExpectMessage("最新送信履歴も変更しますか？", wxID_NO));
  EXPECT_EQ(TextOf(window_, kIdFirstSendMark + 4), "後");
  EXPECT_TRUE(editor_->PageModified());
  PressKey(window_, WXK_PAGEUP);  // nothing above page 1, but the page is read
  Click(window_, kIdNewPage);
  EXPECT_EQ(Cp932ToUtf8(book_.record(0).initialSendState), "送信しない");
}

TEST_F(EditorTest, TextTheBookCannotHoldIsRefusedAndThePageKeepsItsEdits) {
  AddRecord("あべ");
  AddRecord("いとう");
  Open();
  Type(window_, kIdPosition, "課長");
  Type(window_, kIdName, "𠮷田 😀");
  wxTEST_DIALOG(PressKey(window_, WXK_PAGEDOWN),
                ExpectMessage("「名前」に使用できない文字「𠮷」が含まれています。\nShift-JIS で表せる文字に直してください。",
                              wxID_OK));
  EXPECT_EQ(editor_->CurrentPage(), 1);
  EXPECT_EQ(TextOf(window_, kIdPosition), "課長");
  EXPECT_EQ(TextOf(window_, kIdName), "𠮷田 😀");
  EXPECT_TRUE(book_.record(0).position.empty());
  // Once corrected, the page goes in with both edits.
  Type(window_, kIdName, "吉田");
  PressKey(window_, WXK_PAGEDOWN);
  EXPECT_EQ(editor_->CurrentPage(), 2);
  EXPECT_EQ(Cp932ToUtf8(book_.record(0).position), "課長");
  EXPECT_EQ(Cp932ToUtf8(book_.record(0).name), "吉田");
}

TEST_F(EditorTest, ExitAsksOnlyWhileTheBookHasUnsavedChanges) {
  Open();
  Type(window_, kIdRegistrationName, "あべ");
  wxTEST_DIALOG(Click(window_, kIdCancel), ExpectMessage("変更点を保存しないで終了します", wxID_CANCEL));
  ASSERT_NE(editor_->Window(), nullptr);
  wxTEST_DIALOG(Click(window_, kIdCancel), ExpectMessage("変更点を保存しないで終了します", wxID_OK));
  EXPECT_EQ(editor_->Window(), nullptr);
  EXPECT_EQ(book_.recordCount(), 0);  // nothing is written on the way out
}

}  // namespace
}  // namespace mirelon::test
