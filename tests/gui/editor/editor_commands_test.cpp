// Record commands: new, copy and paste through the clipboard, delete, history dialogs, history
// mark entry with its conversion, and the "*" indicator with its explanation panel.
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "gui/support/editor_fixture.h"
#include "gui/dialogs/history_view_dialog.h"
#include "gui/editor/explanation_panel.h"
#include "res/history_resources.h"
#include "text/cp932.h"

namespace mirelon::test {
namespace {

using namespace res;
using namespace literals;

// Clicks with modifier keys held down, as the user does (the editor reads the key state).
void ClickHolding(wxWindow* window, int id, std::initializer_list<int> keys) {
  wxUIActionSimulator keyboard;
  for (int key : keys) keyboard.KeyDown(key);
  Pump();
  Click(window, id);
  for (int key : keys) keyboard.KeyUp(key);
  Pump();
}

void FillEveryField(wxWindow* window) {
  const std::pair<int, const char*> fields[] = {
      {kIdRegistrationName, "やまだ"}, {kIdPostalCode, "100-0001"},   {kIdAddress1, "東京都千代田区千代田1-1"},
      {kIdAddress2, "千代田ハイツ101"}, {kIdCompany1, "山田商事"},     {kIdCompany2, "営業部"},
      {kIdPosition, "部長"},           {kIdName, "山田 太郎"},         {kIdJointName1, "花子"},
      {kIdPhone, "03-1111-2222"},      {kIdEmail, "taro@example.jp"}, {kIdMemo1, "幼なじみ\n毎年会う"},
  };
  for (const auto& [id, text] : fields) Type(window, id, text);
  Type(window, kIdFirstSendMark + 3, "出");
  Type(window, kIdFirstReceiveMark + 4, "受");
}

TEST_F(EditorTest, CopyAndPasteCarryAWholePageThroughTheClipboard) {
  AddRecord("あべ");
  Open();
  Click(window_, kIdNewPage);
  FillEveryField(window_);
  ClickHolding(window_, kIdNewPage, {WXK_CONTROL});
  EXPECT_EQ(book_.recordCount(), 1);  // copy commits nothing
  EXPECT_EQ(editor_->CurrentPage(), 2);
  {
    wxClipboardLocker clipboard;
    wxTextDataObject data;
    ASSERT_TRUE(wxTheClipboard->GetData(data));
    const std::string line(data.GetText().utf8_str());
    EXPECT_EQ(line.rfind("やまだ,100-0001,東京都千代田区千代田1-1,", 0), 0u) << line;
    EXPECT_NE(line.find(",幼なじみ\\n毎年会う,"), std::string::npos) << line;
    // Only the five columns: from the first known year on.
    EXPECT_EQ(line.substr(line.size() - 11), ",出□,受") << line;
  }

  TypePage("1");  // the copied page goes in as "やまだ"
  ASSERT_EQ(book_.recordCount(), 2);
  ClickHolding(window_, kIdNewPage, {WXK_CONTROL, WXK_SHIFT});  // not on an existing page
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "あべ");

  Click(window_, kIdNewPage);
  ClickHolding(window_, kIdNewPage, {WXK_CONTROL, WXK_SHIFT});
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "やまだ");
  EXPECT_EQ(TextOf(window_, kIdMemo1), "幼なじみ\n毎年会う");
  EXPECT_EQ(TextOf(window_, kIdFirstSendMark + 3), "出");
  EXPECT_TRUE(editor_->PageModified());
  wxTEST_DIALOG(PressKey(window_, WXK_PAGEUP),
                ExpectMessage("登録名が重複するので変更しました\n\"やまだ\" → \"やまだ-2\"", wxID_OK));
  ASSERT_EQ(book_.recordCount(), 3);
  const AddressRecord& pasted = book_.record(2);
  EXPECT_EQ(Cp932ToUtf8(pasted.registrationName), "やまだ-2");
  EXPECT_EQ(pasted.address1, book_.record(1).address1);
  EXPECT_EQ(pasted.memo1, "幼なじみ\r\n毎年会う"_sjis);
  EXPECT_EQ(pasted.sendHistory, book_.record(1).sendHistory);
}

TEST_F(EditorTest, PasteIgnoresTextThatIsNotARecord) {
  Open();
  {
    wxClipboardLocker clipboard;
    wxTheClipboard->SetData(new wxTextDataObject("a,b,c"));
  }
  ClickHolding(window_, kIdNewPage, {WXK_CONTROL, WXK_SHIFT});
  EXPECT_FALSE(editor_->PageModified());
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "");
}

TEST_F(EditorTest, DeletingTheOnlyRecordLeavesTheNewPage) {
  AddRecord("あべ");
  Open();
  Type(window_, kIdName, "未保存の変更");
  wxTEST_DIALOG(Click(window_, kIdDeletePage), ExpectMessage("このページを削除します\n\"あべ\"", wxID_OK));
  // The confirmed deletion stands: the page's unsaved edits do not bring the record back.
  EXPECT_EQ(book_.recordCount(), 0);
  EXPECT_TRUE(book_.modified);
  EXPECT_EQ(editor_->CurrentPage(), 1);
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "");
  for (int id : {kIdWriteFile, kIdOpenList, kIdDeletePage, kIdIndex, kIdLaunchQuelta}) EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_EQ(LabelOf(window_, kIdRecordCount), "/0");
}

TEST_F(EditorTest, DeleteAsksAndCancelKeepsTheRecord) {
  AddRecord("あべ");
  AddRecord("いとう");
  Open();
  wxTEST_DIALOG(Click(window_, kIdDeletePage), ExpectMessage("このページを削除します\n\"あべ\"", wxID_CANCEL));
  EXPECT_EQ(book_.recordCount(), 2);
  PressKey(window_, WXK_PAGEDOWN);
  wxTEST_DIALOG(Click(window_, kIdDeletePage), ExpectMessage("このページを削除します\n\"いとう\"", wxID_OK));
  EXPECT_EQ(book_.recordCount(), 1);
  EXPECT_EQ(editor_->CurrentPage(), 1);
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "あべ");
}

TEST_F(EditorTest, DeleteOnTheNewPageAbandonsItWithoutAsking) {
  AddRecord("あべ");
  AddRecord("いとう");
  Open();
  Click(window_, kIdNewPage);
  Type(window_, kIdName, "取り消す");
  Click(window_, kIdDeletePage);
  EXPECT_EQ(book_.recordCount(), 2);
  EXPECT_EQ(editor_->CurrentPage(), 2);
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "いとう");

  // In an empty book the abandoned entry does not come back through the new page that follows.
  for (const char* name : {"いとう", "あべ"}) {
    wxTEST_DIALOG(Click(window_, kIdDeletePage),
                  ExpectMessage(std::string("このページを削除します\n\"") + name + "\"", wxID_OK));
  }
  ASSERT_EQ(book_.recordCount(), 0);
  Type(window_, kIdRegistrationName, "かとう");
  Click(window_, kIdDeletePage);
  EXPECT_EQ(book_.recordCount(), 0);
  EXPECT_EQ(editor_->CurrentPage(), 1);
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "");
  EXPECT_FALSE(editor_->PageModified());
}

TEST_F(EditorTest, MarksAreConvertedWhileTheConversionIsOn) {
  state_.settings.SetConvHistChar(true);
  AddRecord("あべ");
  Open();
  EXPECT_EQ(LabelOf(window_, kIdConversionIndicator), "*");
  Type(window_, kIdFirstSendMark, "m");
  EXPECT_EQ(TextOf(window_, kIdFirstSendMark), "喪");
  Type(window_, kIdFirstSendMark + 1, ".");
  EXPECT_EQ(TextOf(window_, kIdFirstSendMark + 1), "×");
  Type(window_, kIdFirstReceiveMark, "5");
  EXPECT_EQ(TextOf(window_, kIdFirstReceiveMark), "５");
  Type(window_, kIdFirstReceiveMark + 1, "ab");
  EXPECT_EQ(TextOf(window_, kIdFirstReceiveMark + 1), "ab");
  // The field holds two bytes: nothing more fits after a converted mark.
  Type(window_, kIdFirstSendMark, "喪x");
  EXPECT_EQ(TextOf(window_, kIdFirstSendMark), "喪");
  // Nor before it, where the conversion's write left the caret.
  auto& converted = ControlOf<wxTextCtrl>(window_, kIdFirstSendMark + 1);
  converted.SetInsertionPoint(0);
  wxKeyEvent key(wxEVT_KEY_DOWN);
  key.SetEventObject(&converted);
  converted.ProcessWindowEvent(key);
  converted.WriteText("a");
  Pump();
  EXPECT_EQ(TextOf(window_, kIdFirstSendMark + 1), "×");

  // A right click on the indicator switches the conversion off and remembers it.
  wxMouseEvent right(wxEVT_RIGHT_DOWN);
  window_->FindWindow(kIdConversionIndicator)->ProcessWindowEvent(right);
  Pump();
  EXPECT_EQ(LabelOf(window_, kIdConversionIndicator), "-");
  EXPECT_EQ(settings_.GetInt("Misc", "convHistChar", -1), 0);
  Type(window_, kIdFirstSendMark + 2, "m");
  EXPECT_EQ(TextOf(window_, kIdFirstSendMark + 2), "m");
  EXPECT_TRUE(editor_->PageModified());
  Click(window_, kIdNewPage);
  EXPECT_EQ(Cp932ToUtf8(book_.record(0).sendHistory), "喪× m？？");
}

TEST_F(EditorTest, TheIndicatorShowsTheExplanationUntilTheNextKey) {
  Open();
  auto& panel = ControlOf<ExplanationPanel>(window_, kIdExplanationPanel);
  Click(window_, kIdConversionIndicator);
  EXPECT_FALSE(panel.IsShown());  // only while the conversion is on
  ClickHolding(window_, kIdConversionIndicator, {WXK_CONTROL});
  EXPECT_EQ(LabelOf(window_, kIdConversionIndicator), "*");
  Click(window_, kIdConversionIndicator);
  EXPECT_TRUE(panel.IsShown());
  EXPECT_TRUE(panel.Text().StartsWith(U8("  履歴特殊変換の半角文字と全角文字の対応\r\n \"．\"\t→ 送信しない履歴記号\r\n")));
  EXPECT_TRUE(panel.Text().Contains(U8(" \"v\"\t→ \"▽\"\t \"V\"\t→ \"▼\"\tV に似たり\r\n")));
  EXPECT_TRUE(panel.Text().EndsWith(U8(" \"0\" ～ \"9\" → \"０\" ～ \"９\"\r\nその他の半角文字は該当する全角文字に変換\r\n"
                                       " （\"□\"は空白と同じ意味に使用）")));
  PressKey(window_, 'a');
  EXPECT_FALSE(panel.IsShown());
}

TEST_F(EditorTest, AFreeHistoryEditReachesTheMarkFieldsAndTheRecord) {
  const int page = AddRecord("あべ");
  book_.record(page - 1).sendHistory = "○○○○○○×"_sjis;
  Open();
  wxTEST_DIALOG(Click(window_, kIdSendHistory),
                ExpectDialog<HistoryViewDialog>([](HistoryViewDialog& view) {
                  EXPECT_EQ(LabelOf(&view, kIdHistoryLabel), "2008年から2014年までの送信履歴です");
                  EXPECT_EQ(view.GetTitle(), U8("送信履歴確認"));
                  Click(&view, kIdFreeEdit);
                  EXPECT_EQ(TextOf(&view, kIdHistoryText), "○○○○○後");
                  return wxID_CANCEL;
                }),
                ExpectDialog<HistoryEditDialog>([](HistoryEditDialog& edit) {
                  EXPECT_EQ(edit.GetTitle(), U8("送信履歴自由編集"));
                  Type(&edit, kIdHistoryText, "？○○○○○後");  // one mark removed, the newest changed
                  Click(&edit, 1);
                  return wxID_OK;
                }));
  EXPECT_EQ(TextOf(window_, kIdFirstSendMark + 4), "後");
  EXPECT_TRUE(editor_->PageModified());
  Click(window_, kIdNewPage);
  // The shorter history is taken whole; its older marks do not shift against the columns.
  EXPECT_EQ(Cp932ToUtf8(book_.record(0).sendHistory), "○○○○○後");
}

TEST_F(EditorTest, TheHistoryDialogsWaitForARegistrationName) {
  Open();
  Click(window_, kIdNewPage);
  Type(window_, kIdName, "名前だけ");
  EXPECT_FALSE(Enabled(kIdSendHistory));  // the new page has no history of its own yet
}

}  // namespace
}  // namespace mirelon::test
