// What only Linux has of the sibling program's window and the help page: X11's window classes, a
// Wayland session, and the desktop's opener on PATH.
#include "appcore/sibling_program.h"
#include "gui/app/application_services.h"
#include "gui/app/help_page.h"
#include "gui/app/stand_in.h"
#include "gui/support/editor_fixture.h"

namespace mirelon {
namespace {

using test::EditorTest;
using test::Eventually;
using test::ExpectMessage;
using test::ReadBytes;
using test::ScopedEnvironment;
using test::StandIn;
using test::TempFolder;
using test::WindowCase;
using test::WriteBytes;

TEST(QueltaWindowTest, OnX11EitherPartOfTheClassNamesTheSibling) {
  const WindowCase cases[] = {
      // A file manager showing a folder named Quelta.
      {"class org.gnome.Nautilus\n", false, WindowSearch::NotFound},
      {"class quelta.exe\n", false, WindowSearch::Found},  // as a Windows compatibility layer names it
  };
  ExpectWindowSearches(cases);
}

TEST(QueltaWindowTest, OnWaylandTheProgramStartedStandsInForItsWindow) {
  const ScopedEnvironment wayland("WAYLAND_DISPLAY", "wayland-test");
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

class HelpPageTest : public EditorTest {
 protected:
  // xdg-open on PATH as a script that notes its arguments and ends with `status`.
  void Browser(int status) {
    WriteBytes(bin_ / "xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + (bin_ / "received").string() + "\"\nexit " +
                                      std::to_string(status) + "\n");
    std::filesystem::permissions(bin_ / "xdg-open", std::filesystem::perms::owner_all);
  }
  void Help() { ApplicationServices(state_).OpenHelp(); }

  TempFolder bin_;
  ScopedEnvironment path_{"PATH", bin_.path().c_str()};
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
