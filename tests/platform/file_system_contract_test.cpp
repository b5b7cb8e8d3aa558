// What every system's file services have to do where a durable replacement relies on them.
#include "platform/file_system.h"

#include <gtest/gtest.h>

#include "platform/process.h"
#include "platform/utf8_path.h"
#include "support/host.h"
#include "support/temp_folder.h"

namespace mirelon {
namespace {

using namespace std::chrono_literals;

// Names far over any system's limit, of characters of one, three and four bytes in UTF-8 (the last
// a surrogate pair in UTF-16), cut to leave room for a leftover's tail: whole characters, a name
// the system takes, and one character more would not fit.
TEST(FileSystemContract, ACutNameIsWholeCharactersAndTheSystemTakesIt) {
  test::TempFolder root;
  const auto named = [&](const std::string& utf8, size_t tail) {
    return root.path() / PathFromUtf8(utf8 + std::string(tail, 'x'));
  };
  for (const std::string character : {"a", "表", "𠮷"}) {
    std::string longName;
    while (longName.size() < 1200) longName += character;
    for (const size_t reserve : {0u, 28u}) {
      SCOPED_TRACE(character + std::to_string(reserve));
      const std::string cut = PathToUtf8(NamePrefixLeaving(PathFromUtf8(longName), reserve));
      ASSERT_FALSE(cut.empty());
      EXPECT_EQ(cut.size() % character.size(), 0u);
      EXPECT_EQ(longName.compare(0, cut.size(), cut), 0);
      EXPECT_TRUE(FitsPathLimits(named(cut, reserve)));
      EXPECT_FALSE(FitsPathLimits(named(cut + character, reserve)));
      // A name over 255 bytes of UTF-8 cannot be kept under wine (see UnderWine).
      if (test::UnderWine() && cut.size() + reserve > 255) continue;
      test::WriteBytes(named(cut, reserve), "x");
      EXPECT_TRUE(std::filesystem::is_regular_file(named(cut, reserve)));
    }
  }
  EXPECT_EQ(NamePrefixLeaving(PathFromUtf8("住所録_nos.csv"), 28), PathFromUtf8("住所録_nos.csv"));
}

// Another process's lock keeps this one out for the whole wait and is free once that process has
// ended; two holders in one process exclude each other too.
TEST(FileSystemContract, ALockExcludesOtherProcessesAndOtherHolders) {
  test::TempFolder root;
  const std::filesystem::path lockFile = root / "book.lk";
  const auto holder = StartedProcess::Start({PathFromUtf8(MIRELON_PROCESS_PROBE), "--lock", lockFile, "1500"});
  ASSERT_TRUE(holder);
  const auto state = [&](std::chrono::milliseconds wait) { return FileLock::Acquire(lockFile, wait).state(); };
  ASSERT_TRUE(PollWhile([&] { return state(0ms) != FileLock::State::Busy; }, 5s, {}));
  EXPECT_EQ(state(200ms), FileLock::State::Busy);
  EXPECT_EQ(state(5s), FileLock::State::Held);
  {
    const FileLock first = FileLock::Acquire(lockFile, 0ms);
    EXPECT_EQ(first.state(), FileLock::State::Held);
    EXPECT_EQ(state(50ms), FileLock::State::Busy);
  }
  EXPECT_EQ(state(0ms), FileLock::State::Held);
  EXPECT_EQ(FileLock::Acquire(root / "missing" / "book.lk", 0ms).state(), FileLock::State::Unavailable);
}

}  // namespace
}  // namespace mirelon
