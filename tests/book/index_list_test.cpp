#include "book/index_list.h"

#include <gtest/gtest.h>

#include "text/cp932.h"

namespace mirelon {
namespace {

AddressRecord Named(const std::string& registrationName, const std::string& name) {
  AddressRecord record;
  record.registrationName = registrationName;
  record.name = name;
  return record;
}

TEST(IndexList, LinesKeepTheirColumns) {
  // A 21-cell registration name ending in a double-byte character is cut to 19 bytes and padded to 20,
  // so the name column still starts at byte 26.
  const std::string longName = std::string(19, 'a') + Sjis("あ");
  const std::string line = IndexLine(Named(longName, Sjis("表示")), 0);
  EXPECT_EQ(line, "  1  " + std::string(19, 'a') + "   " + Sjis("表示"));
  EXPECT_EQ(IndexLine(Named("b", "c"), 998), "999  b" + std::string(19, ' ') + "  c");
  EXPECT_EQ(IndexLine(Named("b", "c"), 999), "1000 b" + std::string(19, ' ') + "  c");
}

TEST(IndexList, RestrictedListWalksToTheMarkedRecords) {
  AddressBook book;
  for (const char* name : {"a", "b", "c", "d", "e", "f"}) book.AddRecord(Named(name, name));
  book.postalCheckValue = std::vector<int32_t>(kBookCapacity, 0);
  for (const size_t marked : {1u, 3u, 5u}) book.postalCheckValue[marked] = -1;
  book.currentPage = 4;

  book.postalCheckDone = false;  // no valid check: everything is listed
  EXPECT_EQ(BuildIndexList(book, true).lines.size(), 6u);

  book.postalCheckDone = true;
  const IndexList restricted = BuildIndexList(book, true);
  ASSERT_EQ(restricted.lines.size(), 3u);
  EXPECT_EQ(restricted.RecordAt(2), 5);  // the third line is the third marked record, not record 3
  EXPECT_EQ(restricted.currentLine, 1);  // page 4 is record 3, the second marked one

  book.postalCheckValue = std::vector<int32_t>(kBookCapacity, 0);
  const IndexList none = BuildIndexList(book, true);
  EXPECT_EQ(none.lines, std::vector<std::string>{Sjis("　　　　該当するデータはありません")});
  EXPECT_EQ(none.RecordAt(0), std::nullopt);
  EXPECT_EQ(none.currentLine, -1);
}

}  // namespace
}  // namespace mirelon
