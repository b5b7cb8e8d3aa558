// Saves forced into the interleavings a kill, a second process or a failing system call makes,
// with `strace -e inject` on the tool: what a save reports must be what the next read finds.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <string>
#include <thread>

#include "book/book_files.h"
#include "support/recording_prompt.h"
#include "support/temp_folder.h"

namespace mirelon {
namespace {

namespace fs = std::filesystem;

constexpr int kKilled = 128 + 9;  // the shell's status for a command killed by SIGKILL

struct ToolRun {
  int status = -1;
  std::string messages;
};

// mirelon-tool with `arguments` under strace injecting `inject` into its rename and unlink calls.
ToolRun TracedTool(const std::string& inject, const std::string& arguments, const fs::path& folder) {
  const fs::path errors = folder / "errors.txt";
  // LeakSanitizer cannot run under ptrace; in a sanitizer build it would fail every traced exit.
  const std::string command = "ASAN_OPTIONS=detect_leaks=0 strace -f -qq -o /dev/null -e trace=rename,unlink -e signal=none " + inject + " '" +
                              MIRELON_TOOL + "' " + arguments + " 2>'" + errors.string() + "'";
  const int raw = std::system(command.c_str());
  ToolRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.messages = test::ReadBytes(errors);
  fs::remove(errors);
  return run;
}

// A book of a few records whose every address is `letter`.
AddressBook Version(char letter) {
  AddressBook book;
  for (const char* name : {"a", "b", "c"}) {
    AddressRecord record;
    record.registrationName = name;
    record.address1 = std::string(3, letter);
    record.sendHistory = name[0] == 'b' ? "\x81\x7e" : "";  // one record in the no-send file
    record.initialSendState = "x";
    book.AddRecord(record);
  }
  return book;
}

// The letter of every address of the family read from `path`, or '?' when they differ.
char ReadVersion(const fs::path& path) {
  AddressBook book;
  test::RecordingPrompt prompt;
  book.SetPrompt(&prompt);
  if (ReadBookFamily(book, path) != FamilyRead::Read || book.recordCount() != 3) return '?';
  const char letter = book.record(0).address1[0];
  for (const AddressRecord& record : book.records()) {
    if (record.address1[0] != letter) return '?';
  }
  return letter;
}

class ForcedInterleaving : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("strace -V >/dev/null 2>&1") != 0) GTEST_SKIP() << "strace is not installed";
    AddressBook newBook = Version('n');
    AddressBook oldBook = Version('o');
    ASSERT_TRUE(SaveBookFamilyAs(newBook, source_));
    ASSERT_TRUE(SaveBookFamilyAs(oldBook, destination_));
  }
  std::string Copy(const fs::path& to) const { return "copy '" + source_.string() + "' '" + to.string() + "'"; }

  test::TempFolder folder_;
  fs::path source_ = folder_ / "new.csv";
  fs::path destination_ = folder_ / "book.csv";
};

// A save that fails as it renames: rolled back where it can be, else completed later and said
// so; a save reported as failed never takes effect at the next read.
TEST_F(ForcedInterleaving, AReportedFailureIsNeverAppliedLater) {
  struct Case {
    const char* what;
    const char* inject;
    int status;
    char after;  // what the next read finds
  };
  const Case cases[] = {
      {"the first rename fails", "-e inject=rename:error=EIO:when=1", 1, 'o'},
      {"the first rename fails, the commit mark stays", "-e inject=rename:error=EIO:when=1 -e inject=unlink:error=EIO",
       0, 'n'},
      {"the second rename fails", "-e inject=rename:error=EIO:when=2", 0, 'n'},
      {"killed at the second rename", "-e inject=rename:signal=KILL:when=2", kKilled, 'n'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AddressBook oldBook = Version('o');
    ASSERT_TRUE(SaveBookFamilyAs(oldBook, destination_));
    const ToolRun run = TracedTool(c.inject, Copy(destination_), folder_.path());
    EXPECT_EQ(run.status, c.status) << run.messages;
    // A save that is not undone says that it will be completed.
    EXPECT_EQ(run.status == 0 && run.messages.find("次にこの住所録を読み込むときに") != std::string::npos,
              c.status == 0)
        << run.messages;
    EXPECT_EQ(ReadVersion(destination_), c.after);
  }
}

// A reader that comes while a save renames its files waits for it, instead of taking its
// temporaries for an interrupted save's.
TEST_F(ForcedInterleaving, AReadDuringASaveWaitsForIt) {
  auto save = std::async(std::launch::async, [&] {
    return TracedTool("-e inject=rename:delay_enter=1500000:when=2", Copy(destination_), folder_.path());
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(700));
  EXPECT_EQ(ReadVersion(destination_), 'n');
  const ToolRun run = save.get();
  EXPECT_EQ(run.status, 0) << run.messages;
  EXPECT_EQ(ReadVersion(destination_), 'n');
}

// Two books whose names agree in all but their last bytes keep their own leftovers: the save of
// one does not complete the other's interrupted save with its files.
TEST_F(ForcedInterleaving, LongNamesKeepTheirOwnLeftovers) {
  const fs::path first = folder_ / (std::string(246, 'a') + "x.csv");
  const fs::path second = folder_ / (std::string(246, 'a') + "y.csv");
  for (const fs::path& path : {first, second}) {
    AddressBook oldBook = Version('o');
    ASSERT_TRUE(SaveBookFamilyAs(oldBook, path));
  }
  EXPECT_EQ(TracedTool("-e inject=rename:signal=KILL:when=2", Copy(first), folder_.path()).status, kKilled);
  AddressBook other = Version('p');
  ASSERT_TRUE(SaveBookFamilyAs(other, second));
  EXPECT_EQ(ReadVersion(second), 'p');
  EXPECT_EQ(ReadVersion(first), 'n');
}

}  // namespace
}  // namespace mirelon
