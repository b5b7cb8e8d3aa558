// The editor under real keys and clicks (through the X server, as a user's): paging never lets
// the focused native control act on the key as well, the spin steps from the page on display,
// the page field reaches the new page as an empty form, a renamed new record is followed, the
// focus and Tab order a user meets, the right-click menus, and tooltips under a message.
#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/combobox.h>
#include <wx/dataobj.h>
#include <wx/menu.h>
#include <wx/spinbutt.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "gui/support/editor_fixture.h"
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
  PressRealKey(window_, kIdPageNumber, WXK_RETURN);
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
  TypeReal(window_, kIdPageNumber, "3");
  PressRealKey(window_, kIdPageNumber, WXK_RETURN);
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

TEST_F(EditorInputTest, ThePageFieldIsReadOnceWhenTheUserConfirmsIt) {
  AddRecords(12);
  Open();
  const struct {
    const char* typed;  // "" empties the field with Backspace
    int confirm;        // 0: the field keeps the focus
    int page;
    bool message;
  } cases[] = {
      {"5", 0, 1, false},  // typing alone pages nothing
      {"5", WXK_RETURN, 5, false},
      {"", 0, 5, false},  // an emptied field is no mistake yet
      {"", WXK_RETURN, 5, true},
      {"0", WXK_TAB, 5, true},  // the focus leaves
      {"11", WXK_TAB, 11, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.typed) + " " + std::to_string(c.confirm));
    const auto act = [&] {
      TypeReal(window_, kIdPageNumber, c.typed);
      if (*c.typed == '\0') PressRealKey(window_, kIdPageNumber, WXK_BACK);
      if (c.confirm != 0) PressRealKey(window_, kIdPageNumber, c.confirm);
    };
    if (c.message) {
      wxTEST_DIALOG(act(), ExpectMessage("1 から 1000 までの整数を入力してください。", wxID_OK));
    } else {
      act();
    }
    EXPECT_EQ(editor_->CurrentPage(), c.page);
    EXPECT_EQ(TextOf(window_, kIdRegistrationName), wxString::Format("name%02d", c.page).utf8_str().data());
    if (c.confirm != 0) {
      EXPECT_EQ(TextOf(window_, kIdPageNumber), std::to_string(c.page));
    }
  }
}

TEST_F(EditorInputTest, AChangePastTheByteLimitIsRefusedWhole) {
  AddRecords(1);
  Open();
  const std::string a99(99, 'a');
  const struct {
    std::string shown;  // as the program wrote it
    bool selectAll;
    std::string pasted;  // typed when one ASCII character
    std::string expected;
  } cases[] = {
      {a99.substr(0, 98), false, "東京", a99.substr(0, 98)},  // not even 東
      {a99.substr(0, 96), false, "東京", a99.substr(0, 96) + "東京"},
      {a99, false, "b", a99 + "b"},
      {a99 + "b", false, "c", a99 + "b"},
      {a99, true, "東京", "東京"},  // the selection is replaced
      {"あべ", true, std::string(180, 'x'), "あべ"},
  };
  auto& field = ControlOf<wxTextCtrl>(window_, kIdRegistrationName);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown + " " + c.pasted);
    field.ChangeValue(U8(c.shown));
    Settle();
    PressRealKey(window_, kIdRegistrationName, WXK_END);
    wxUIActionSimulator keyboard;
    if (c.selectAll) keyboard.Char('A', wxMOD_CONTROL);
    if (c.pasted.size() == 1) {
      keyboard.Char(c.pasted[0]);
    } else {
      {
        wxClipboardLocker clipboard;
        wxTheClipboard->SetData(new wxTextDataObject(U8(c.pasted)));
      }
      keyboard.Char('V', wxMOD_CONTROL);
    }
    Settle();
    EXPECT_EQ(TextOf(window_, kIdRegistrationName), c.expected);
    if (c.expected == c.shown) {
      EXPECT_EQ(field.GetInsertionPoint(), c.selectAll ? 0 : field.GetLastPosition());
    }
  }
}

TEST_F(EditorInputTest, AnHonorificTypedBeforeTheRegistrationNameWaitsForTheCommit) {
  AddRecords(1);
  Open();
  const struct {
    const char* registrationName;
    bool refused;
  } cases[] = {{"", true}, {"  ", true}, {"name00", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.registrationName);
    ClickReal(window_, kIdNewPage);
    Type(window_, kIdRegistrationName, c.registrationName);
    // A message at any keystroke would fail here as unexpected.
    TypeReal(window_, kIdHonorific, "Mr");
    EXPECT_EQ(TextOf(window_, kIdHonorific), "Mr");
    if (c.refused) {
      wxTEST_DIALOG(PressRealKey(window_, kIdHonorific, WXK_PAGEUP), ExpectMessage("登録名を入力してください", wxID_OK));
      EXPECT_EQ(book_.recordCount(), 1);
    } else {
      // Committed with the keystroke: the new honorific is offered at once.
      ASSERT_EQ(book_.recordCount(), 2);
      EXPECT_EQ(Cp932ToUtf8(book_.record(0).honorific), "Mr");
      EXPECT_NE(ControlOf<wxComboBox>(window_, kIdJointHonorific1).FindString("Mr"), wxNOT_FOUND);
    }
  }
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
  // The rename was followed once: the next key pages on.
  PressRealKey(window_, kIdRegistrationName, WXK_PAGEUP);
  EXPECT_EQ(editor_->CurrentPage(), 1);
  EXPECT_EQ(TextOf(window_, kIdRegistrationName), "name01");
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
