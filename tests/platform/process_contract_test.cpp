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

TEST(ProcessContract, ArgumentsAndFolderArriveAsGivenAndTheExitIsTold) {
  test::TempFolder root;
  const fs::path folder = root.path() / PathFromUtf8("作業 フォルダ 表");
  fs::create_directories(folder);
  const fs::path report = root / "report.txt";
  const std::vector<std::string> words = {"with blank", "\"quoted\" 'single'", "", "; rm -rf ~ &", "年賀状 表ソ能.csv"};
  std::vector<fs::path> arguments{kProbe, report, "3"};
  for (const std::string& word : words) arguments.push_back(PathFromUtf8(word));
  const std::unique_ptr<StartedProcess> process = StartedProcess::Start(arguments, folder);
  ASSERT_TRUE(process);
  ASSERT_TRUE(PollWhile([&] { return process->Running(); }, 10s, {}));
  EXPECT_FALSE(process->Succeeded());  // it ended with 3
  std::string expected;
  for (const std::string& word : words) expected += word + "\n";
  EXPECT_EQ(test::ReadBytes(report), expected + PathToUtf8(folder) + "\n");

  EXPECT_FALSE(StartedProcess::Start({}));
  EXPECT_FALSE(StartedProcess::Start({root / "none"}));
  EXPECT_FALSE(StartedProcess::Start({report}));  // not a program
  EXPECT_FALSE(StartedProcess::Start({kProbe, "--sleep", "0"}, root / "no folder"));
}

TEST(ProcessContract, WaitUntilIdleEndsWhenTheWindowIsShownOrTheProgramFailed) {
  test::TempFolder root;
  const auto exiting = [&](const char* status) { return StartedProcess::Start({kProbe, root / "report", status}); };
  const auto running = [] { return StartedProcess::Start({kProbe, "--sleep", "1500"}); };
  constexpr auto kLimit = 1000ms;
  const struct {
    const char* name;
    std::function<std::unique_ptr<StartedProcess>()> start;
    int shownAtLook;  // -1: never
    bool ready;
    bool waitsTheLimit;
  } cases[] = {
      {"shown while it runs", running, 3, true, false},
      {"ended well, another process's window follows", [&] { return exiting("0"); }, 8, true, false},
      {"failed at once", [&] { return exiting("3"); }, -1, false, false},
      {"never shown", running, -1, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::unique_ptr<StartedProcess> process = c.start();
    ASSERT_TRUE(process);
    int looks = 0, pumped = 0;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(process->WaitUntilIdle(
                  kLimit, [&] { return c.shownAtLook >= 0 && looks++ >= c.shownAtLook; }, [&] { ++pumped; }),
              c.ready);
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(waited >= kLimit, c.waitsTheLimit);
    EXPECT_LT(waited, kLimit + 1s);
    if (c.waitsTheLimit) {
      EXPECT_GT(pumped, 0);  // the caller's windows were kept painted
    }
  }
}

}  // namespace
}  // namespace mirelon
