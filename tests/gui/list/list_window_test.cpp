// The list window: status pane, copy, word wrap, the close question, saving the text, the format
// files and the format dialog's command, as a user reaches them through the frame.
#include <algorithm>

#include <wx/display.h>
#include <wx/clipbrd.h>
#include <wx/docview.h>
#include <wx/msgdlg.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include "appcore/program_settings.h"
#include "gui/list/display_format_dialog.h"
#include "list/display_format_file.h"
#include "list/list_text_builder.h"
#include "gui/support/list_window_fixture.h"
#include "res/display_format_resources.h"
#include "res/list_resources.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace mirelon::test {
namespace {

using namespace res;
using namespace literals;

class ExpectChooser : public wxExpectModalBase<wxFileDialog, ExpectChooser> {
 public:
  explicit ExpectChooser(const std::filesystem::path& path) : path_(wxString::FromUTF8(path.string())) {}

 protected:
  int OnInvoked(wxFileDialog* dialog) const override {
    dialog->SetPath(path_);
    return wxID_OK;
  }

 private:
  wxString path_;
};

// The save question before the list text is dropped.
class ExpectSaveQuestion : public wxExpectModalBase<wxMessageDialog, ExpectSaveQuestion> {
 public:
  explicit ExpectSaveQuestion(int answer) : answer_(answer) {}

 protected:
  int OnInvoked(wxMessageDialog* dialog) const override {
    EXPECT_EQ(std::string(dialog->GetMessage().utf8_str()), "無題 への変更を保存しますか?");
    return answer_;
  }

 private:
  int answer_;
};

TEST_F(ListWindowTest, AnEmptyBookShowsTheDefaultStatusAndTheTitleStaysMirelon) {
  Open();
  EXPECT_EQ(std::string(frame_->GetStatusBar()->GetStatusText(1).utf8_str()),
            "              すべて表示  連番      0件");
  EXPECT_EQ(std::string(frame_->GetTitle().utf8_str()), "Mirelon");
  EXPECT_FALSE(View().GetDocument()->IsModified());
}

TEST_F(ListWindowTest, CopyTakesTheWholeListWithoutASelectionAndKeepsTheCaret) {
  AddRecords(3);
  Open();
  const std::string whole = ListText();
  ASSERT_EQ(std::count(whole.begin(), whole.end(), '\n'), 3);
  Edit().SetInsertionPoint(5);
  Command(kCmdCopyList);
  EXPECT_EQ(ClipboardText(), whole);
  long from = 0, to = 0;
  Edit().GetSelection(&from, &to);
  EXPECT_EQ(from, to);
  EXPECT_EQ(Edit().GetInsertionPoint(), 5);

  Edit().SetSelection(0, 4);
  Command(kCmdCopyList);
  EXPECT_EQ(ClipboardText(), std::string(Edit().GetStringSelection().utf8_str()));
  Edit().GetSelection(&from, &to);
  EXPECT_EQ(std::pair(from, to), std::pair(0L, 4L));
}

// Through the keyboard: Ctrl+C stays the text control's own copy of the selection, Ctrl+Z reaches
// the window's undo through its accelerators.
TEST_F(ListWindowTest, CtrlCCopiesTheSelectionAndCtrlZUndoes) {
  AddRecords(2);
  Open();
  const std::string built = ListText();
  wxUIActionSimulator user;
  user.MouseMove(Edit().GetScreenRect().GetPosition() + wxPoint(40, 40));
  Pump();
  Edit().SetFocus();
  Edit().SetSelection(0, 6);
  Pump();
  user.Char('c', wxMOD_CONTROL);
  Pump();
  EXPECT_EQ(ClipboardText(), std::string(Edit().GetStringSelection().utf8_str()));

  Edit().SetInsertionPointEnd();
  user.Char('x');
  Pump();
  EXPECT_EQ(ListText(), built + "x");
  user.Char('z', wxMOD_CONTROL);
  Pump();
  EXPECT_EQ(ListText(), built);
}

TEST_F(ListWindowTest, WordWrapKeepsTheEditedTextAndFontAndSurvivesAReopen) {
  AddRecords(2);
  Open();
  TypeAtEnd("追記");
  const std::string edited = ListText();
  const wxFont font = Edit().GetFont();
  EXPECT_FALSE(MenuChecked(kCmdWordWrap));
  EXPECT_TRUE(Edit().HasFlag(wxHSCROLL));

  Command(kCmdWordWrap);
  EXPECT_TRUE(MenuChecked(kCmdWordWrap));
  EXPECT_FALSE(Edit().HasFlag(wxHSCROLL));
  EXPECT_EQ(ListText(), edited);
  EXPECT_EQ(Edit().GetFont(), font);
  EXPECT_EQ(Edit().GetSize(), frame_->GetClientSize());
  EXPECT_TRUE(View().GetDocument()->IsModified());  // the edit is still unsaved

  wxTEST_DIALOG(EXPECT_TRUE(CloseFrame()), ExpectSaveQuestion(wxID_NO));
  EXPECT_EQ(settings_.GetInt("List", "dspWordWrap", -1), 1);
  Open();
  EXPECT_TRUE(MenuChecked(kCmdWordWrap));
  EXPECT_FALSE(Edit().HasFlag(wxHSCROLL));
}

TEST_F(ListWindowTest, TypingMakesCloseAskAndCancelKeepsTheWindowARebuildAsksNothing) {
  AddRecords(2);
  Open();
  const std::string built = ListText();
  TypeAtEnd("x");
  wxTEST_DIALOG(EXPECT_FALSE(CloseFrame()), ExpectSaveQuestion(wxID_CANCEL));
  EXPECT_EQ(closedCount_, 0);
  EXPECT_EQ(ListText(), built + "x");

  Command(kCmdUndo);
  EXPECT_EQ(ListText(), built);

  // The format dialog's OK rebuilds the list; closing then asks nothing and stores the size.
  wxTEST_DIALOG(Command(kCmdFormatDialog), ExpectDialog<DisplayFormatDialog>([](DisplayFormatDialog& dialog) {
                  Click(&dialog, kIdFormatOk);
                  return wxID_OK;
                }));
  frame_->SetSize(700, 500);
  Pump();
  EXPECT_TRUE(CloseFrame());
  EXPECT_EQ(closedCount_, 1);
  EXPECT_EQ(settings_.GetInt(misc::kSection, misc::kWndWidth, 0), 700);
  EXPECT_EQ(settings_.GetInt(misc::kSection, misc::kWndHeight, 0), 500);
}

TEST_F(ListWindowTest, TheListTextIsSavedAsCp932WithCrLfAndAnUnmappableCharacterIsRefused) {
  AddRecords(2);
  TempFolder folder;
  Open();
  DisplayFormat format = View().Format();
  const std::string expected = BuildListText(book_, format);
  wxTEST_DIALOG(Command(kCmdSaveAs), ExpectChooser(folder / "list"));
  EXPECT_EQ(ReadBytes(folder / "list.txt"), expected);
  EXPECT_FALSE(View().GetDocument()->IsModified());
  // The name as it is written is asked about, and Return keeps the file.
  TypeAtEnd("x");
  wxTEST_DIALOG(Command(kCmdSaveAs), ExpectChooser(folder / "list"),
                ExpectDialog<MessageBoxDialog>([](MessageBoxDialog& question) { return question.DefaultAnswer(); }));
  EXPECT_EQ(ReadBytes(folder / "list.txt"), expected);

  TypeAtEnd("𠮷");
  wxTEST_DIALOG(Command(kCmdSave),
                ExpectMessage("一覧表に Shift-JIS で表せない文字「𠮷」があるので保存できません。", wxID_OK));
  EXPECT_EQ(ReadBytes(folder / "list.txt"), expected);
  EXPECT_TRUE(View().GetDocument()->IsModified());
}

// Ctrl+O builds the list afresh and leaves the document untitled, so Ctrl+S asks where to save
// instead of putting the list in place of the file opened; a file that cannot be read keeps the list.
TEST_F(ListWindowTest, OpeningAFileNeverBindsTheListToItAndAFailedOpenKeepsTheList) {
  AddRecords(2);
  TempFolder folder;
  WriteBytes(folder / "letter.txt", "手紙"_sjis);
  Open();
  const std::string list = ListText();
  wxTEST_DIALOG(Command(kCmdOpen), ExpectChooser(folder / "letter.txt"));
  EXPECT_EQ(ListText(), list);
  EXPECT_EQ(std::string(View().GetDocument()->GetUserReadableName().utf8_str()), "無題");
  TypeAtEnd("x");
  wxTEST_DIALOG(Command(kCmdSave), ExpectChooser(folder / "list.txt"));
  EXPECT_EQ(ReadBytes(folder / "letter.txt"), "手紙"_sjis);

  wxTEST_DIALOG(Command(kCmdOpen), ExpectChooser(folder / "gone.txt"),
                ExpectMessage((folder / "gone.txt").string() + "\nファイルを読み込めません。", wxID_OK));
  ASSERT_NE(frame_->View(), nullptr);
  EXPECT_EQ(ListText(), list + "x");
  Command(kCmdCopyList);  // the next command has its view
}

TEST_F(ListWindowTest, FormatFilesAreSavedAndLoadedAndABadOneChangesNothing) {
  AddRecords(2);
  TempFolder folder;
  Open();
  wxTEST_DIALOG(Command(kCmdSaveFormat), ExpectChooser(folder / "layout"));
  EXPECT_EQ(ReadBytes(folder / "layout.dat").size(), kDisplayFormatFileSize);

  std::string bytes = ReadBytes(folder / "layout.dat");
  bytes[10] = 2;  // numbering: none
  WriteBytes(folder / "numbered.dat", bytes);
  const std::string before = ListText();
  wxTEST_DIALOG(Command(kCmdLoadFormat), ExpectChooser(folder / "numbered.dat"));
  EXPECT_NE(ListText(), before);
  EXPECT_EQ(View().Format().numbering, 2);
  EXPECT_EQ(settings_.GetString(misc::kSection, misc::kSettingFile, ""), (folder / "numbered.dat").string());

  WriteBytes(folder / "bad.dat", "Mirelo");
  const std::string loaded = ListText();
  wxTEST_DIALOG(Command(kCmdLoadFormat), ExpectChooser(folder / "bad.dat"),
                ExpectMessage((folder / "bad.dat").string() + "\nファイルの内容が異常です", wxID_OK));
  EXPECT_EQ(ListText(), loaded);
  EXPECT_EQ(View().Format().numbering, 2);
}

// What is stored is what the next opening shows, and the window stays on the screen whatever was
// stored (a larger screen's size, a window moved off).
TEST_F(ListWindowTest, TheStoredSizeIsTheShownSizeAndTheWindowFitsTheScreen) {
  const wxRect screen = wxDisplay(0u).GetClientArea();
  const struct {
    int width, height;
    wxSize shown;  // zero: as stored
  } cases[] = {
      {700, 500, {}},
      {screen.width + 400, screen.height + 300, screen.GetSize()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    settings_.SetInt("Misc", "wndWidth", c.width);
    settings_.SetInt("Misc", "wndHeight", c.height);
    const wxSize expected = c.shown == wxSize() ? wxSize(c.width, c.height) : c.shown;
    for (int round = 0; round < 3; ++round) {
      Open();
      Settle();
      EXPECT_EQ(frame_->GetSize(), expected) << round;
      EXPECT_TRUE(screen.Contains(frame_->GetScreenRect())) << round;
      ASSERT_TRUE(CloseFrame());
      EXPECT_EQ(settings_.GetInt("Misc", "wndWidth", 0), expected.x) << round;
      EXPECT_EQ(settings_.GetInt("Misc", "wndHeight", 0), expected.y) << round;
    }
  }
}

}  // namespace
}  // namespace mirelon::test
