// What every system's StartedProcess has to do, with the probe program (process_probe.cpp).
#include "platform/process.h"

#include <gtest/gtest.h>

#include "platform/utf8_path.h"
#include "support/temp_folder.h"

namespace mirelon {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const fs::path kProbe = PathFromUtf8(MIRELON_PROCESS_PROBE);

// Waits for the program to end, at most ten seconds.
bool Ends(StartedProcess& process) { return PollWhile([&] { return process.Running(); }, 10s, {}); }

std::unique_ptr<StartedProcess> Sleeper(std::chrono::milliseconds time) {
  return StartedProcess::Start({kProbe, "--sleep", PathFromUtf8(std::to_string(time.count()))});
}

TEST(ProcessContract, TheArgumentsAndTheFolderArriveAsGiven) {
  test::TempFolder root;
  const fs::path folder = root.path() / PathFromUtf8("作業 フォルダ 表");
  fs::create_directories(folder);
  const fs::path report = root / "report.txt";
  const struct {
    std::vector<std::string> arguments;  // after the probe's own two
    const char* status;
    bool succeeded;
  } cases[] = {
      {{"plain"}, "0", true},
      {{"with blank", "\"quoted\" and 'single'", "", "; rm -rf ~ &"}, "0", true},
      {{"年賀状 表ソ能.csv", "a\\b"}, "3", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.status);
    std::vector<fs::path> arguments{kProbe, report, c.status};
    std::string expected;
    for (const std::string& argument : c.arguments) {
      arguments.push_back(PathFromUtf8(argument));
      expected += argument + "\n";
    }
    const std::unique_ptr<StartedProcess> process = StartedProcess::Start(arguments, folder);
    ASSERT_TRUE(process);
    ASSERT_TRUE(Ends(*process));
    EXPECT_EQ(process->Succeeded(), c.succeeded);
    EXPECT_EQ(test::ReadBytes(report), expected + PathToUtf8(folder) + "\n");
  }
}

TEST(ProcessContract, WhatCannotStartGivesNothing) {
  test::TempFolder root;
  EXPECT_FALSE(StartedProcess::Start({}));
  EXPECT_FALSE(StartedProcess::Start({root / "none"}));
  EXPECT_FALSE(StartedProcess::Start({kProbe, "--sleep", "0"}, root / "no folder"));
  test::WriteBytes(root / "data.txt", "not a program");
  EXPECT_FALSE(StartedProcess::Start({root / "data.txt"}));
}

TEST(ProcessContract, WaitUntilIdleEndsWhenTheWindowIsShownOrTheProgramFailed) {
  test::TempFolder root;
  const auto exiting = [&](const char* status) { return StartedProcess::Start({kProbe, root / "report", status}); };
  const struct {
    const char* name;
    std::function<std::unique_ptr<StartedProcess>()> start;
    int shownAfterLooks;  // the window shows at this look; -1: never
    bool ready;
    bool waitsTheLimit;
  } cases[] = {
      {"shown at once", [] { return Sleeper(1500ms); }, 0, true, false},
      {"shown while it runs", [] { return Sleeper(1500ms); }, 3, true, false},
      {"ended well, a window of another process follows",
       [&] { return exiting("0"); }, 8, true, false},
      {"failed at once", [&] { return exiting("3"); }, -1, false, false},
      {"never shown", [] { return Sleeper(1500ms); }, -1, false, true},
  };
  constexpr auto kLimit = 1000ms;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::unique_ptr<StartedProcess> process = c.start();
    ASSERT_TRUE(process);
    int looks = 0;
    int pumped = 0;
    const auto started = std::chrono::steady_clock::now();
    const bool ready = process->WaitUntilIdle(
        kLimit, [&] { return c.shownAfterLooks >= 0 && looks++ >= c.shownAfterLooks; }, [&] { ++pumped; });
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(ready, c.ready);
    EXPECT_EQ(waited >= kLimit, c.waitsTheLimit);
    EXPECT_LT(waited, kLimit + 1s);
    if (c.waitsTheLimit) {
      EXPECT_GT(pumped, 0);
    }
  }
}

}  // namespace
}  // namespace mirelon
