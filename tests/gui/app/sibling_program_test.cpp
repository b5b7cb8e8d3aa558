// "Quelta 起動" with the stand-in sibling program (tests/gui/app/quelta_stand_in.cpp) in a folder
// whose name has a blank, the search for its window, and "オンライン解説" with a stand-in browser.
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include <wx/filedlg.h>
#include <wx/spinbutt.h>

#include "appcore/sibling_program.h"
#include "book/book_files.h"
#include "gui/support/editor_fixture.h"
#include "gui/app/application_services.h"
#include "gui/app/help_page.h"
#include "platform/desktop.h"
#include "platform/process.h"
#include "support/temp_folder.h"

namespace mirelon {
namespace {

using test::ExpectDialog;
using test::ExpectMessage;
using test::LabelOf;
using test::ReadBytes;
using test::TextOf;
using test::WriteBytes;

constexpr const char* kRunningMessage = "Quelta 起動中は Mirelon の操作はできません\nQuelta を終了させてから続行してください";

// Waits up to ten seconds for `done`.
bool Eventually(const std::function<bool()>& done) {
  for (int i = 0; i < 500; ++i) {
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return done();
}

// A copy of the stand-in as the user's sibling program, with its task and its notes.
class StandIn {
 public:
  explicit StandIn(std::string_view folderName = "Quelta Folder") : folder_(root_ / folderName) {
    std::filesystem::create_directories(folder_);
    std::filesystem::copy_file(QUELTA_STAND_IN, executable());
  }
  std::filesystem::path folder() const { return folder_; }
  std::filesystem::path executable() const { return folder_ / "quelta"; }
  void Task(const std::string& lines) { WriteBytes(folder_ / "quelta-task.txt", lines); }
  // Each start's lines: argument count, arguments, working folder.
  std::string Started() const { return ReadBytes(folder_ / "started.txt"); }
  bool Ready() const { return std::filesystem::exists(folder_ / "ready"); }
  // Tells the stand-in to exit and waits until it has taken the word.
  void Quit() {
    WriteBytes(folder_ / "quit", "");
    EXPECT_TRUE(Eventually([&] { return !std::filesystem::exists(folder_ / "quit"); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // its window is being destroyed
  }
  // The stand-in started by the test itself, not by the flow.
  std::unique_ptr<StartedProcess> StartHere() {
    auto process = StartedProcess::Start({executable().string()}, folder_);
    EXPECT_TRUE(process && Eventually([&] { return Ready(); }));
    return process;
  }

 private:
  test::TempFolder root_;
  std::filesystem::path folder_;
};

TEST(QueltaWindowTest, OnlyAVisibleWindowTitledExactlyQueltaOfTheSiblingCounts) {
  const struct {
    const char* task;
    bool byProcess;  // the search knows the process it started
    WindowSearch expected;
  } cases[] = {
      {"", false, WindowSearch::Found},  // its class names the executable
      {"", true, WindowSearch::Found},
      {"hidden\n", true, WindowSearch::NotFound},
      {"title Quelta - 年賀状\n", true, WindowSearch::NotFound},
      {"title quelta\n", true, WindowSearch::NotFound},
      // A file manager showing a folder named Quelta.
      {"class org.gnome.Nautilus\n", false, WindowSearch::NotFound},
      {"class quelta.exe\n", false, WindowSearch::Found},  // as a Windows compatibility layer names it
      {"class other\n", true, WindowSearch::Found},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.task);
    StandIn standIn;
    standIn.Task(c.task);
    auto process = standIn.StartHere();
    SiblingProgramData sibling;
    sibling.queltaPath = standIn.executable().string();
    EXPECT_EQ(FindVisibleWindow("Quelta", {"quelta", c.byProcess ? process.get() : nullptr}), c.expected);
    EXPECT_EQ(IsQueltaRunning(sibling, c.byProcess ? process.get() : nullptr), c.expected == WindowSearch::Found);
    standIn.Quit();
    EXPECT_TRUE(Eventually([&] { return !process->Running(); }));
  }
  EXPECT_EQ(FindVisibleWindow("Quelta", {"quelta", nullptr}), WindowSearch::NotFound);
}

TEST(QueltaWindowTest, OnWaylandTheProgramStartedStandsInForItsWindow) {
  const test::ScopedEnvironment wayland("WAYLAND_DISPLAY", "wayland-test");
  StandIn standIn;
  standIn.Task("hidden\n");  // as a Wayland window: not seen
  auto process = standIn.StartHere();
  EXPECT_EQ(FindVisibleWindow("Quelta", {"quelta", process.get()}), WindowSearch::Unavailable);
  const SiblingProgramData sibling;
  EXPECT_TRUE(IsQueltaRunning(sibling, process.get()));
  EXPECT_FALSE(IsQueltaRunning(sibling, nullptr));
  standIn.Quit();
  EXPECT_TRUE(Eventually([&] { return !IsQueltaRunning(sibling, process.get()); }));
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
                  EXPECT_EQ(std::string(dialog.GetFilename().utf8_str()), "quelta");
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
                  const std::filesystem::path above = std::filesystem::canonical("/proc/self/exe").parent_path().parent_path();
                  EXPECT_EQ(std::string(dialog.GetDirectory().utf8_str()), above.string());
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
  std::filesystem::permissions(standIn.executable(), std::filesystem::perms::owner_exec | std::filesystem::perms::group_exec |
                                                         std::filesystem::perms::others_exec,
                               std::filesystem::perm_options::remove);
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

class HelpPageTest : public test::EditorTest {
 protected:
  // xdg-open on PATH as a script that notes its arguments and ends with `status`.
  void Browser(int status) {
    WriteBytes(bin_ / "xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + (bin_ / "received").string() + "\"\nexit " +
                                      std::to_string(status) + "\n");
    std::filesystem::permissions(bin_ / "xdg-open", std::filesystem::perms::owner_all);
  }
  void Help() { ApplicationServices(state_).OpenHelp(); }

  test::TempFolder bin_;
  test::ScopedEnvironment path_{"PATH", bin_.path().c_str()};
};

TEST_F(HelpPageTest, TheManualGoesToTheBrowserAndAFailureIsReported) {
  Open();
  Browser(0);
  Help();
  EXPECT_EQ(ReadBytes(bin_ / "received"), ManualPage().string() + "\n");
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(MIRELON_BUILD_TREE) / "share/mirelon/manual/index.html"));

  Browser(3);  // the opener found no browser
  wxTEST_DIALOG(Help(), ExpectMessage("ブラウザの起動に失敗しました", wxID_OK));

  std::filesystem::remove(bin_ / "xdg-open");  // no opener at all
  wxTEST_DIALOG(Help(), ExpectMessage("ブラウザの起動に失敗しました", wxID_OK));
}

}  // namespace
}  // namespace mirelon
