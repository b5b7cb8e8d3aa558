#include "book/csv_field.h"

#include <gtest/gtest.h>

#include <array>

#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

std::vector<std::string> ReadAll(std::string_view line, size_t count) {
  std::vector<std::string> fields(count);
  size_t pos = 0;
  for (std::string& field : fields) pos = ReadCsvField(line, pos, field);
  return fields;
}

TEST(CsvField, ReaderRules) {
  EXPECT_EQ(ReadAll("\"ab\"cd,x", 2), (std::vector<std::string>{"abcd", "x"}));
  EXPECT_EQ(ReadAll("ab\"cd,\"a,b\",\"c\"\"d\"", 3), (std::vector<std::string>{"ab\"cd", "a,b", "c\"d"}));
  // A lead byte takes its second byte whatever it is; before the line end it is dropped, since
  // written back before a comma it would take the comma.
  EXPECT_EQ(ReadAll("\x83,x,y", 2), (std::vector<std::string>{"\x83,x", "y"}));
  EXPECT_EQ(ReadAll("ab\x83\r\nz", 2), (std::vector<std::string>{"ab", ""}));
  EXPECT_EQ(ReadAll("\"a\x83", 2), (std::vector<std::string>{"a", ""}));
  // The end of the line (or a NUL) gives empty fields at the same position.
  EXPECT_EQ(ReadAll(std::string("a\0b,c", 5), 3), (std::vector<std::string>{"a", "", ""}));
  std::string field;
  EXPECT_EQ(ReadCsvField("a", 1, field), 1u);
  // A NUL or bare CR inside the line ends it: the reader moves to the end, so a loop that reads
  // fields until the end stops.
  for (const std::string& line : {std::string("a\rb,c"), std::string("a\0b,c", 5), std::string("\"a\rb\",c")}) {
    EXPECT_EQ(ReadCsvField(line, 0, field), line.size());
    EXPECT_EQ(field, "a");
  }
  // Backslash-n is a line break in text fields only, never after a lead byte (ソ is 83 5C).
  ReadCsvTextField("\"x,\\n\"ソn"_sjis, 0, field);
  EXPECT_EQ(field, "x,\r\nソn"_sjis);
  ReadCsvField("x\\n", 0, field);
  EXPECT_EQ(field, "x\\n");
}

TEST(CsvField, WrittenFieldsReadBack) {
  // {text, written, read back as a memo}
  const std::vector<std::array<std::string, 3>> cases = {
      {"plain", "plain", "plain"},
      {"a,b", "\"a,b\"", "a,b"},
      {"say \"hi\"", "\"say \"\"hi\"\"\"", "say \"hi\""},
      {"a\r\nb\r", "a\\nb", "a\r\nb"},
      {"typed \\n", "typed \\n", "typed \r\n"},
      {"ソ表能,"_sjis, "\"ソ表能,\""_sjis, "ソ表能,"_sjis},
      {"末尾\\"_sjis, "末尾\\"_sjis, "末尾\\"_sjis},
      // Malformed bytes from a file: a quote after a lead byte belongs to it and is not doubled.
      {"\x83\"\x83,", "\x83\"\x83,", "\x83\"\x83,"},
      // Half a character at the end, or before a line break, would take what follows: dropped.
      {"Tokyo\x82", "Tokyo", "Tokyo"},
      {"a\x82\nb,", "\"a\\nb,\"", "a\r\nb,"},
  };
  for (const auto& [text, written, memo] : cases) {
    EXPECT_EQ(QuoteCsvField(text), written) << text;
    std::string back;
    const std::string line = written + ",after";
    const size_t pos = ReadCsvTextField(line, 0, back);
    EXPECT_EQ(back, memo) << text;
    ReadCsvField(line, pos, back);
    EXPECT_EQ(back, "after") << text;
  }
}

}  // namespace
}  // namespace mirelon
