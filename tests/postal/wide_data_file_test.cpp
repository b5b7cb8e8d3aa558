#include "postal/wide_data_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "postal_test_support.h"

namespace mirelon {
namespace {

std::vector<std::u16string> Lines(std::u16string units) {
  WideLineReader reader(std::move(units));
  std::vector<std::u16string> lines;
  std::u16string_view line;
  while (reader.ReadWideLine(line)) lines.emplace_back(line);
  return lines;
}

TEST(WideDataFileTest, FilesAreReadAsLittleEndianUnits) {
  test::TempFolder folder;
  test::WriteBytes(folder / "a.csv", test::LittleEndianBytes(u"芝\r\n") + "x");  // the odd last byte is dropped
  EXPECT_EQ(ReadWideFile(folder / "a.csv"), u"芝\r\n");
  EXPECT_FALSE(ReadWideFile(folder / "missing.csv"));
}

TEST(WideDataFileTest, OnlyLittleEndianTextInARegularFileIsRead) {
  test::TempFolder folder;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(MIRELON_TEST_DATA) / "postal/utf16")) {
    const std::string bytes = test::ReadBytes(entry.path());
    std::string swapped = bytes;
    for (size_t i = 0; i + 1 < swapped.size(); i += 2) std::swap(swapped[i], swapped[i + 1]);
    test::WriteBytes(folder / "le.csv", bytes);
    test::WriteBytes(folder / "be.csv", swapped);
    test::WriteBytes(folder / "bom_be.csv", "\xFE\xFF" + swapped);
    test::WriteBytes(folder / "shifted.csv", "\"" + bytes);
    EXPECT_TRUE(ReadWideFile(folder / "le.csv")) << entry.path();
    for (const char* wrong : {"be.csv", "bom_be.csv", "shifted.csv"}) {
      EXPECT_FALSE(ReadWideFile(folder / wrong)) << wrong << " of " << entry.path();
    }
  }
}

TEST(WideDataFileTest, ByteOrderMarkAtTheStartIsSkipped) {
  EXPECT_EQ(Lines(u"\uFEFF\"1\"\n\uFEFF"), (std::vector<std::u16string>{u"\"1\"", u"\uFEFF"}));
}

TEST(WideDataFileTest, LineFeedIsFoundOnlyAsAWholeUnit) {
  // 上 is U+4E0A and ਊ U+0A0A: both hold the byte 0x0A.
  EXPECT_EQ(Lines(u"上ਊ\n上"), (std::vector<std::u16string>{u"上ਊ", u"上"}));
}

TEST(WideDataFileTest, LinesEndAtLineFeedAndKeepTheirCarriageReturn) {
  EXPECT_EQ(Lines(u"ab\r\ncd\r\n"), (std::vector<std::u16string>{u"ab\r", u"cd\r"}));
  EXPECT_EQ(Lines(u"ab\n\ncd"), (std::vector<std::u16string>{u"ab", u"", u"cd"}));
  EXPECT_TRUE(Lines(u"").empty());
}

TEST(WideDataFileTest, LongLinesAreSplitAfter2047Units) {
  const std::u16string longLine(WideLineReader::kMaxLineUnits + 3, u'x');
  const auto lines = Lines(longLine + u"\nnext");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].size(), WideLineReader::kMaxLineUnits);
  EXPECT_EQ(lines[1], u"xxx");
  EXPECT_EQ(lines[2], u"next");
  // A line of exactly 2047 units leaves its line feed for an empty line after it.
  EXPECT_EQ(Lines(std::u16string(WideLineReader::kMaxLineUnits, u'y') + u"\nz").size(), 3u);
}

TEST(WideDataFileTest, FieldsFollowTheQuotingRules) {
  const std::u16string_view line = u"\"1050011\",\"芝\"\"公園\",plain,\"a,b\"x,\"end\r";
  WideText field;
  size_t pos = ReadWideCsvField(line, 0, field);
  EXPECT_EQ(field, WideText(u"1050011"));
  EXPECT_EQ(pos, 10u);
  pos = ReadWideCsvField(line, pos, field);
  EXPECT_EQ(field, WideText(u"芝\"公園"));
  pos = ReadWideCsvField(line, pos, field);
  EXPECT_EQ(field, WideText(u"plain"));
  pos = ReadWideCsvField(line, pos, field);
  EXPECT_EQ(field, WideText(u"a,bx"));  // a stray closing quote: the rest is read plainly
  pos = ReadWideCsvField(line, pos, field);
  EXPECT_EQ(field, WideText(u"end"));
  EXPECT_EQ(ReadWideCsvField(line, pos, field), pos);
  EXPECT_TRUE(field.IsEmpty());
}

TEST(WideDataFileTest, FieldsReadBothFormsOfTheWaveDashAlike) {
  WideText cp932Form;
  WideText jisForm;
  ReadWideCsvField(u"\"１\uFF5E３\"", 0, cp932Form);
  ReadWideCsvField(u"\"１\u301C３\"", 0, jisForm);
  EXPECT_EQ(cp932Form, jisForm);
}

}  // namespace
}  // namespace mirelon
