// The editor under real keys and clicks (through the X server, as a user's): paging never lets
// the focused native control act on the key as well, the spin steps from the page on display,
// the page field reaches the new page as an empty form, a renamed new record is followed, the
// focus and Tab order a user meets, the right-click menus, and tooltips under a message.
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/menu.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "editor_fixture.h"
#include "gui/kit/tooltip_set.h"
#include "text/cp932.h"

namespace mirelon::test {
namespace {

using namespace res;
using namespace literals;

class EditorInputTest : public EditorTest {
 protected:
  // `count` records "name01", "name02", … each with the honorific 様 and the send state 送信する.
  void AddRecords(int count) {
    for (int i = 1; i <= count; ++i) {
      const int page = AddRecord(wxString::Format("name%02d", i).utf8_str().data());
      book_.record(page - 1).honorific = "様"_sjis;
      book_.record(page - 1).initialSendState = "送信する"_sjis;
    }
  }
  int FocusedId() const {
    wxWindow* focus = wxWindow::FindFocus();
    // A combo box or spin is focused through a native part of its own.
    while (focus != nullptr && focus->GetParent() != window_) focus = focus->GetParent();
    return focus != nullptr ? focus->GetId() : wxID_NONE;
  }
};

// Right-clicks control `id` (0: the window's background at `at`) and returns the labels of the
// menu that opens (separators left out), each with "-" when disabled; `keys` then go to the menu.
std::vector<std::string> RightClickMenu(wxWindow* window, int id, wxPoint at, std::vector<int> keys) {
  std::vector<std::string> labels;
  const auto onOpen = [&labels, keys](wxMenuEvent& event) {
    event.Skip();
    // The menu and then its window report the opening.
    if (event.GetMenu() == nullptr || !labels.empty()) return;
    for (const wxMenuItem* item : event.GetMenu()->GetMenuItems()) {
      if (item->IsSeparator()) continue;
      labels.push_back(std::string(item->GetItemLabelText().utf8_str()) + (item->IsEnabled() ? "" : "-"));
    }
    wxTheApp->CallAfter([keys] {
      wxUIActionSimulator keyboard;
      for (int key : keys) keyboard.Char(key);
    });
  };
  wxTheApp->Bind(wxEVT_MENU_OPEN, onOpen);
  if (id == 0) {
    window->Raise();
    wxUIActionSimulator mouse;
    mouse.MouseMove(window->ClientToScreen(at));
    Settle();
    mouse.MouseClick(wxMOUSE_BTN_RIGHT);
    Settle();
  } else {
    ClickReal(window, id, at, true);
  }
  wxTheApp->Unbind(wxEVT_MENU_OPEN, onOpen);
  return labels;
}

TEST_F(EditorInputTest, EditsHaveTheEditMenuAndTheBackgroundAndFileButtonsTheWindowMenu) {
  AddRecords(1);
  Open();
  {
    wxClipboardLocker clipboard;
    wxTheClipboard->SetData(new wxTextDataObject("copied"));
  }
  const std::vector<std::string> fresh{"元に戻す-", "切り取り-", "コピー-", "貼り付け", "削除-", "すべて選択"};
  // すべて選択, the last entry.
  EXPECT_EQ(RightClickMenu(window_, kIdRegistrationName, wxPoint(8, 8), {WXK_UP, WXK_RETURN}), fresh);
  auto& name = ControlOf<wxTextCtrl>(window_, kIdRegistrationName);
  EXPECT_EQ(name.GetStringSelection(), "name01");
  // 削除 takes the selection away as the user's own edit; 元に戻す brings it back.
  const std::vector<std::string> selected{"元に戻す-", "切り取り", "コピー", "貼り付け", "削除", "すべて選択"};
  EXPECT_EQ(RightClickMenu(window_, kIdRegistrationName, wxPoint(8, 8), {WXK_UP, WXK_UP, WXK_RETURN}), selected);
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "");
  EXPECT_TRUE(editor_->PageModified());
  RightClickMenu(window_, kIdRegistrationName, wxPoint(8, 8), {WXK_DOWN, WXK_RETURN});
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "name01");
  // Typing is undone as one step, in a memo as well.
  TypeReal(window_, kIdMemo1, "abc");
  RightClickMenu(window_, kIdMemo1, wxPoint(8, 8), {WXK_DOWN, WXK_RETURN});
  EXPECT_EQ(TextOf(window_, kIdMemo1), "");
  wxUIActionSimulator().Char('Z', wxMOD_CONTROL);  // the undo undone
  Settle();
  EXPECT_EQ(TextOf(window_, kIdMemo1), "abc");

  bool aboutShown = false;
  const std::vector<std::string> windowMenu{"連絡先の取り込み...", "連絡先の書き出し...", "Mirelon のﾊﾞｰｼﾞｮﾝ情報(A)..."};
  wxTEST_DIALOG(EXPECT_EQ(RightClickMenu(window_, 0, wxPoint(3, window_->GetClientSize().y - 3), {WXK_UP, WXK_RETURN}),
                          windowMenu),
                ExpectDialog<wxDialog>([&](wxDialog&) {
                  aboutShown = true;
                  return wxID_OK;
                }));
  EXPECT_TRUE(aboutShown);
  // The file buttons have the same menu: where a user looks for another way to read or write.
  services_.calls.clear();
  EXPECT_EQ(RightClickMenu(window_, kIdReadFile, wxPoint(5, 5), {WXK_DOWN, WXK_RETURN}), windowMenu);
  EXPECT_EQ(RightClickMenu(window_, kIdWriteFile, wxPoint(5, 5), {WXK_DOWN, WXK_DOWN, WXK_RETURN}), windowMenu);
  EXPECT_EQ(services_.calls, (std::vector<std::string>{"ImportContacts", "ExportContacts"}));
}

TEST_F(EditorInputTest, ATooltipGoesWhenAMessageOpensOverIt) {
  AddRecords(1);
  Open();
  wxWindow& name = ControlOf<wxWindow>(window_, kIdRegistrationName);
  wxUIActionSimulator mouse;
  mouse.MouseMove(name.GetScreenRect().GetPosition() + wxPoint(5, 5));
  Settle();
  mouse.MouseMove(name.GetScreenRect().GetPosition() + wxPoint(8, 6));
  for (int wait = 0; wait < 30 && ShownPopups() == 0; ++wait) Settle();
  ASSERT_EQ(ShownPopups(), 1);
  const wxString tip = name.GetToolTipText();
  int shownWithTheMessage = -1;
  TooltipsOffWhileModal tooltipsOff;  // as the program has it
  wxTEST_DIALOG(
      {
        tooltipsOff.Register();  // asked before the test's answer
        ShowMessageBox("このページを削除します"_sjis, PromptButtons::OkCancel);
      },
      ExpectDialog<MessageBoxDialog>([&](MessageBoxDialog&) {
        Settle();
        shownWithTheMessage = ShownPopups();
        return wxID_CANCEL;
      }));
  EXPECT_EQ(shownWithTheMessage, 0);
  // wx tells the hooks of a closed message only when it showed it: as it does then.
  wxModalDialogHook::CallExit(nullptr);
  EXPECT_EQ(name.GetToolTipText(), tip);
  EXPECT_FALSE(tip.empty());
}

TEST_F(EditorInputTest, PagingKeysPageWhicheverControlHasTheFocusAndChangeNothing) {
  AddRecords(3);
  Open();
  const int controls[] = {kIdName,     kIdMemo1,     kIdHonorific, kIdSendState,
                          kIdPageSpin, kIdPageNumber, kIdNewPage};
  for (int id : controls) {
    SCOPED_TRACE(id);
    PressRealKey(window_, id, WXK_PAGEDOWN);
    EXPECT_EQ(editor_->CurrentPage(), 2);
    EXPECT_EQ(TextOf(window_, kIdPageNumber), "2");
    EXPECT_EQ(TextOf(window_, kIdRegistrationName), "name02");
    PressRealKey(window_, id, WXK_PAGEUP);
    EXPECT_EQ(editor_->CurrentPage(), 1);
    EXPECT_EQ(TextOf(window_, kIdRegistrationName), "name01");
  }
  EXPECT_FALSE(book_.modified);
  EXPECT_FALSE(editor_->PageModified());
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Cp932ToUtf8(book_.record(i).honorific), "様") << i;
    EXPECT_EQ(Cp932ToUtf8(book_.record(i).initialSendState), "送信する") << i;
  }
}

TEST_F(EditorInputTest, TheSpinStepsFromThePageOnDisplay) {
  AddRecords(12);
  Open();
  const wxSize spin = ControlOf<wxSpinButton>(window_, kIdPageSpin).GetSize();
  const wxPoint minus(spin.x / 4, spin.y / 2);
  const wxPoint plus(spin.x * 3 / 4, spin.y / 2);
  ClickReal(window_, kIdPageSpin, plus);
  EXPECT_EQ(editor_->CurrentPage(), 2);
  TypeReal(window_, kIdPageNumber, "5");
  EXPECT_EQ(editor_->CurrentPage(), 5);
  ClickReal(window_, kIdNewPage);
  EXPECT_EQ(editor_->CurrentPage(), 13);
  ClickReal(window_, kIdPageSpin, minus);
  EXPECT_EQ(editor_->CurrentPage(), 12);
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "name12");
  ClickReal(window_, kIdPageSpin, minus);
  EXPECT_EQ(editor_->CurrentPage(), 11);
  EXPECT_FALSE(book_.modified);
}

TEST_F(EditorInputTest, ThePageFieldReachesTheNewPageAsAnEmptyForm) {
  AddRecords(2);
  Open();
  TypeReal(window_, kIdPageNumber, "2");
  TypeReal(window_, kIdPageNumber, "3");
  EXPECT_EQ(editor_->CurrentPage(), 3);
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "");
  EXPECT_EQ(TextOf(window_, kIdHonorific), "");
  EXPECT_FALSE(Enabled(kIdSendHistory));
  EXPECT_FALSE(Enabled(kIdReceiveHistory));
  // A command that arrives anyway has no record to show.
  Click(window_, kIdSendHistory);
  Click(window_, kIdReceiveHistory);
  // What is typed there becomes a record of its own; page 2 stays as it was.
  TypeReal(window_, kIdRegistrationName, "name03");
  PressRealKey(window_, kIdRegistrationName, WXK_PAGEUP);
  ASSERT_EQ(book_.recordCount(), 3);
  EXPECT_EQ(NameOnPage(2), "name02");
  EXPECT_EQ(NameOnPage(3), "name03");
  EXPECT_EQ(editor_->CurrentPage(), 2);
}

TEST_F(EditorInputTest, ANewRecordRenamedOnInsertionIsShownUnderItsNewName) {
  AddRecords(1);
  Open();
  ClickReal(window_, kIdNewPage);
  EXPECT_EQ(FocusedId(), kIdRegistrationName);
  TypeReal(window_, kIdRegistrationName, "name01");
  wxTEST_DIALOG(PressRealKey(window_, kIdRegistrationName, WXK_PAGEUP),
                ExpectMessage("登録名が重複するので変更しました\n\"name01\" → \"name01-2\"", wxID_OK));
  ASSERT_EQ(book_.recordCount(), 2);
  EXPECT_EQ(NameOnPage(2), "name01-2");
  EXPECT_EQ(editor_->CurrentPage(), 2);
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "name01-2");
  EXPECT_EQ(TextOf(window_, kIdPageNumber), "2");
}

TEST_F(EditorInputTest, TabGoesThroughTheSendRowThenTheReceiveRow) {
  AddRecords(1);
  Open();
  for (int id = kIdFirstSendMark; id < kIdFirstReceiveMark + kHistoryColumns - 1; ++id) {
    PressRealKey(window_, id, WXK_TAB);
    EXPECT_EQ(FocusedId(), id + 1) << id;
  }
}

}  // namespace
}  // namespace mirelon::test
