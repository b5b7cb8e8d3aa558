// "Quelta 起動" with the stand-in sibling program (tests/gui/app/quelta_stand_in.cpp) in a folder
// whose name has a blank, and the search for its window.

#include <wx/filedlg.h>
#include <wx/spinbutt.h>

#include "appcore/sibling_program.h"
#include "book/book_files.h"
#include "gui/support/editor_fixture.h"
#include "gui/app/application_services.h"
#include "gui/app/stand_in.h"
#include "platform/desktop.h"
#include "platform/user_folders.h"
#include "platform/utf8_path.h"

namespace mirelon {
namespace {

using test::Eventually;
using test::ExpectDialog;
using test::ExpectMessage;
using test::LabelOf;
using test::ReadBytes;
using test::StandIn;
using test::TextOf;
using test::WindowCase;
using test::WriteBytes;

constexpr const char* kRunningMessage = "Quelta 起動中は Mirelon の操作はできません\nQuelta を終了させてから続行してください";

// Each system's own kinds of window are in <system>/sibling_program_system_test.cpp.
TEST(QueltaWindowTest, OnlyAVisibleWindowTitledExactlyQueltaOfTheSiblingCounts) {
  const WindowCase cases[] = {
      {"", false, WindowSearch::Found},  // its class is the one the sibling's window has
      {"", true, WindowSearch::Found},
      {"hidden\n", true, WindowSearch::NotFound},
      {"title Quelta - 年賀状\n", true, WindowSearch::NotFound},
      {"title quelta\n", true, WindowSearch::NotFound},
      {"class other\n", true, WindowSearch::Found},
  };
  ExpectWindowSearches(cases);
}

class QueltaLaunchTest : public test::EditorTest {
 protected:
  // A book of `count` records named A, B, ... in its main file alone, read and shown on `page`.
  void OpenBook(int count, int page) {
    std::string lines;
    for (int i = 0; i < count; ++i) lines += std::string(1, static_cast<char>('A' + i)) + "\r\n";
    WriteBytes(BookFile(), lines);
    ASSERT_EQ(ReadBookFamily(book_, BookFile()), FamilyRead::Read);
    Open();
    editor_->SetCurrentPage(page);
    editor_->ShowPage(page);
  }
  std::filesystem::path BookFile() const { return bookFolder_ / "book.csv"; }
  void Store(const StandIn& standIn) { settings_.SetString("Misc", "queltaPath", standIn.executable().string()); }
  // The stored program read as at start-up, then button 1172 (Ctrl held when `ctrlDown`).
  void Launch(bool ctrlDown = false) {
    app_.ReadQueltaPath(editor_->Sibling());
    services_.launchQuelta = [this, ctrlDown](wxWindow* parent, SiblingProgramData& sibling, bool) {
      return app_.LaunchQuelta(parent, sibling, ctrlDown);
    };
    test::Click(window_, res::kIdLaunchQuelta);
  }
  // The blocking message, answered; the stand-in is told to exit with the answer when `quit`.
  static ExpectDialog<MessageBoxDialog> Running(StandIn& standIn, bool quit) {
    return ExpectDialog<MessageBoxDialog>([&standIn, quit](MessageBoxDialog& box) {
      EXPECT_EQ(std::string(box.Message().utf8_str()), kRunningMessage);
      if (quit) standIn.Quit();
      return wxID_OK;
    });
  }
  int SpinPosition() { return test::ControlOf<wxSpinButton>(window_, res::kIdPageSpin).GetValue(); }

  ApplicationServices app_{state_};
  test::TempFolder bookFolder_;
};

TEST_F(QueltaLaunchTest, StoredProgramStartsInItsFolderBlocksUntilItEndsAndTheBookIsReadAgain) {
  StandIn standIn;
  Store(standIn);
  OpenBook(3, 3);
  standIn.Task("append " + BookFile().string() + " Z\nappend QUELTAUNIJUSHO.CSV \n");
  wxTEST_DIALOG(Launch(), Running(standIn, false), Running(standIn, true));

  // Started once, with its own path as its only argument, in its folder (no shell met the blank).
  EXPECT_EQ(standIn.Started(), "1\n" + standIn.executable().string() + "\n" + standIn.folder().string() + "\n");
  EXPECT_EQ(book_.recordCount(), 4);
  EXPECT_EQ(editor_->CurrentPage(), 3);
  EXPECT_EQ(book_.currentPage, 3);
  EXPECT_EQ(SpinPosition(), 3);
  EXPECT_EQ(TextOf(window_, res::kIdRegistrationName), "C");
  // The postal data it installed meanwhile is found.
  EXPECT_EQ(editor_->Sibling().postalDataPath, (standIn.folder() / "QUELTAUNIJUSHO.CSV").string());
}

TEST_F(QueltaLaunchTest, CtrlAsksAgainAtTheStoredProgramAndTheEditorFollowsRecordsThatWent) {
  StandIn stored, chosen("Other Quelta");
  Store(stored);
  OpenBook(3, 3);
  chosen.Task("drop-last " + BookFile().string() + "\ndrop-last " + BookFile().string() + "\n");
  wxTEST_DIALOG(Launch(true),
                ExpectDialog<wxFileDialog>([&](wxFileDialog& dialog) {
                  EXPECT_EQ(std::string(dialog.GetMessage().utf8_str()), "Quelta 実行ファイルの検索");
                  EXPECT_EQ(std::string(dialog.GetDirectory().utf8_str()), stored.folder().string());
                  EXPECT_EQ(std::string(dialog.GetFilename().utf8_str()), PathToUtf8(stored.executable().filename()));
                  dialog.SetPath(wxString::FromUTF8(chosen.executable().string()));
                  return wxID_OK;
                }),
                Running(chosen, true));

  EXPECT_EQ(settings_.GetString("Misc", "queltaPath", ""), chosen.executable().string());
  EXPECT_EQ(editor_->Sibling().queltaFolder, chosen.folder());
  EXPECT_TRUE(stored.Started().empty());
  EXPECT_FALSE(chosen.Started().empty());
  EXPECT_EQ(book_.recordCount(), 1);
  EXPECT_EQ(editor_->CurrentPage(), 1);
  EXPECT_EQ(SpinPosition(), 1);
  EXPECT_EQ(TextOf(window_, res::kIdRegistrationName), "A");
}

TEST_F(QueltaLaunchTest, WithoutAStoredProgramTheChooserOpensAboveTheProgramsFolder) {
  OpenBook(1, 1);
  wxTEST_DIALOG(Launch(), ExpectDialog<wxFileDialog>([](wxFileDialog& dialog) {
                  const std::filesystem::path above = ProgramExecutablePath().parent_path().parent_path();
                  EXPECT_EQ(std::string(dialog.GetDirectory().utf8_str()), PathToUtf8(above));
                  return wxID_CANCEL;
                }));
  EXPECT_EQ(settings_.GetString("Misc", "queltaPath", "none"), "none");
}

TEST_F(QueltaLaunchTest, AlreadyRunningIsNotStartedAgainAndBlocksAtOnce) {
  StandIn standIn;
  Store(standIn);
  OpenBook(1, 1);
  auto running = standIn.StartHere();
  wxTEST_DIALOG(Launch(), Running(standIn, true));
  EXPECT_EQ(standIn.Started(), "1\n" + standIn.executable().string() + "\n" + standIn.folder().string() + "\n");
}

TEST_F(QueltaLaunchTest, MainFileGoneGivesAnEmptyNewBook) {
  StandIn standIn;
  Store(standIn);
  OpenBook(2, 2);
  standIn.Task("remove " + BookFile().string() + "\n");
  wxTEST_DIALOG(Launch(), Running(standIn, true), ExpectMessage("ファイルが見つかりません", wxID_OK));
  EXPECT_EQ(book_.recordCount(), 0);
  EXPECT_TRUE(book_.file.baseName.empty());
  EXPECT_EQ(LabelOf(window_, res::kIdFileName), "新規ファイル");
  EXPECT_EQ(editor_->CurrentPage(), 1);
  EXPECT_EQ(TextOf(window_, res::kIdRegistrationName), "");
}

TEST_F(QueltaLaunchTest, NothingStartsOnUnsavedChangesAndAFailedStartIsReported) {
  StandIn standIn;
  Store(standIn);
  OpenBook(1, 1);
  book_.modified = true;
  Launch();
  EXPECT_TRUE(standIn.Started().empty());

  book_.modified = false;
  standIn.BreakExecutable();
  wxTEST_DIALOG(Launch(), ExpectMessage(standIn.executable().string() + "\nQuelta を起動できませんでした", wxID_OK));
  EXPECT_EQ(book_.recordCount(), 1);

  // A chosen file that does not start is not kept: the next click asks again.
  settings_.SetString("Misc", "queltaPath", "");
  const auto choose = [&] {
    return ExpectDialog<wxFileDialog>([&](wxFileDialog& dialog) {
      dialog.SetPath(wxString::FromUTF8(standIn.executable().string()));
      return wxID_OK;
    });
  };
  wxTEST_DIALOG(Launch(), choose(), ExpectMessage(standIn.executable().string() + "\nQuelta を起動できませんでした", wxID_OK));
  EXPECT_EQ(settings_.GetString("Misc", "queltaPath", ""), "");
  EXPECT_TRUE(editor_->Sibling().queltaPath.empty());
  wxTEST_DIALOG(Launch(), choose(), ExpectMessage(standIn.executable().string() + "\nQuelta を起動できませんでした", wxID_OK));
}

}  // namespace
}  // namespace mirelon
