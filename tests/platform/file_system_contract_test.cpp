// What every system's file services have to do where a durable replacement relies on them.
#include "platform/file_system.h"

#include <gtest/gtest.h>

#include "platform/utf8_path.h"
#include "support/temp_folder.h"

namespace mirelon {
namespace {

namespace fs = std::filesystem;

fs::path WithTail(const fs::path& name, size_t tail) {
  fs::path whole = name;
  whole += std::string(tail, 'x');
  return whole;
}

// Names far over any system's limit, of characters of one, three and four bytes in UTF-8 (the last
// a surrogate pair in UTF-16), cut to leave room for a leftover's tail.
TEST(FileSystemContract, ACutNameIsWholeCharactersAndTheSystemTakesIt) {
  test::TempFolder root;
  for (const std::string character : {"a", "表", "𠮷"}) {
    std::string longName;
    while (longName.size() < 1200) longName += character;
    EXPECT_FALSE(FitsPathLimits(root.path() / PathFromUtf8(longName)));
    for (const size_t reserve : {0u, 28u}) {
      SCOPED_TRACE(character + " " + std::to_string(reserve));
      const std::string cut = PathToUtf8(NamePrefixLeaving(PathFromUtf8(longName), reserve));
      ASSERT_FALSE(cut.empty());
      EXPECT_EQ(cut.size() % character.size(), 0u);
      EXPECT_EQ(longName.compare(0, cut.size(), cut), 0);
      const fs::path fitting = root.path() / WithTail(PathFromUtf8(cut), reserve);
      EXPECT_TRUE(FitsPathLimits(fitting));
      test::WriteBytes(fitting, "x");
      EXPECT_TRUE(fs::is_regular_file(fitting));
      EXPECT_FALSE(FitsPathLimits(root.path() / WithTail(PathFromUtf8(cut + character), reserve)));
    }
  }
  EXPECT_EQ(NamePrefixLeaving(PathFromUtf8("住所録_nos.csv"), 28), PathFromUtf8("住所録_nos.csv"));
}

TEST(FileSystemContract, RenameOverReplacesTheFileAndLeavesItsOtherLinks) {
  test::TempFolder root;
  test::WriteBytes(root / "book.csv", "old");
  test::WriteBytes(root / "new.tmp", "new");
  fs::create_hard_link(root / "book.csv", root / "link.csv");
  EXPECT_EQ(RenameOver(root / "new.tmp", root / "book.csv"), FileError::None);
  EXPECT_EQ(test::ReadBytes(root / "book.csv"), "new");
  EXPECT_FALSE(fs::exists(root / "new.tmp"));
  EXPECT_EQ(test::ReadBytes(root / "link.csv"), "old");

  EXPECT_NE(RenameOver(root / "missing.tmp", root / "book.csv"), FileError::None);
  fs::create_directory(root / "folder");
  test::WriteBytes(root / "new.tmp", "new");
  EXPECT_NE(RenameOver(root / "new.tmp", root / "folder"), FileError::None);
  EXPECT_TRUE(fs::is_directory(root / "folder"));
  EXPECT_EQ(test::ReadBytes(root / "book.csv"), "new");
}

}  // namespace
}  // namespace mirelon
