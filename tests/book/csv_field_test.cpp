#include "book/csv_field.h"

#include <gtest/gtest.h>

#include <vector>

#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

// All fields of a line, read as plain fields.
std::vector<std::string> ReadAll(std::string_view line, size_t count) {
  std::vector<std::string> fields(count);
  size_t pos = 0;
  for (std::string& field : fields) pos = ReadCsvField(line, pos, field);
  return fields;
}

TEST(QuoteCsvField, QuotesOnlyWhatTheReaderWouldSplit) {
  EXPECT_EQ(QuoteCsvField("plain"), "plain");
  EXPECT_EQ(QuoteCsvField("a,b"), "\"a,b\"");
  EXPECT_EQ(QuoteCsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(QuoteCsvField("a\r\nb"), "a\\nb");
  EXPECT_EQ(QuoteCsvField("a\nb\r"), "a\\nb");
  // Second bytes 0x5C are part of their characters: nothing to quote or escape.
  EXPECT_EQ(QuoteCsvField("ソ表能"_sjis), "ソ表能"_sjis);
  EXPECT_EQ(QuoteCsvField(""), "");
}

TEST(QuoteCsvField, QuoteOrCommaAfterALeadByteStaysPartOfItsCharacter) {
  // Malformed bytes from a file: the reader takes 0x83 and the quote together, so doubling the
  // quote would add a byte on every round trip.
  const std::string text = "\x83\"\x83,";
  EXPECT_EQ(QuoteCsvField(text), text);
  std::string back;
  ReadCsvField(QuoteCsvField(text) + ",next", 0, back);
  EXPECT_EQ(back, text);
}

TEST(ReadCsvField, FollowsTheQuoteRules) {
  EXPECT_EQ(ReadAll("\"ab\"cd,x", 2), (std::vector<std::string>{"abcd", "x"}));
  EXPECT_EQ(ReadAll("ab\"cd,x", 2), (std::vector<std::string>{"ab\"cd", "x"}));
  EXPECT_EQ(ReadAll("\"a,b\",\"c\"\"d\",\"e\"", 3), (std::vector<std::string>{"a,b", "c\"d", "e"}));
  EXPECT_EQ(ReadAll(",,z", 3), (std::vector<std::string>{"", "", "z"}));
}

TEST(ReadCsvField, EndOfLineGivesEmptyFieldsAtTheSamePosition) {
  const std::string line = "a,b\r\nnext";
  std::string field;
  size_t pos = ReadCsvField(line, 0, field);
  pos = ReadCsvField(line, pos, field);
  EXPECT_EQ(field, "b");
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(ReadCsvField(line, pos, field), pos);
    EXPECT_EQ(field, "");
  }
  // A NUL byte ends the line as in a zero-terminated text.
  EXPECT_EQ(ReadAll(std::string("a\0b,c", 5), 2), (std::vector<std::string>{"a", ""}));
}

TEST(ReadCsvField, LeadBytesTakeTheirSecondByte) {
  // A lead byte followed by a comma or a quote (malformed) keeps both bytes in the field.
  EXPECT_EQ(ReadAll("\x83,x,y", 2), (std::vector<std::string>{"\x83,x", "y"}));
  EXPECT_EQ(ReadAll("\"\x83\"\",y", 2), (std::vector<std::string>{"\x83\"", "y"}));
  // A lead byte just before the line end stays alone.
  EXPECT_EQ(ReadAll("ab\x83\r\n", 1), (std::vector<std::string>{"ab\x83"}));
  // Long fields are not cut.
  const std::string longField(1000, 'z');
  EXPECT_EQ(ReadAll(longField + ",", 1).front(), longField);
}

TEST(ReadCsvTextField, BackslashNBecomesALineBreakOnlyInTextFields) {
  const std::string line = "a\\nb,\"c,\\n\"";
  std::string field;
  size_t pos = ReadCsvTextField(line, 0, field);
  EXPECT_EQ(field, "a\r\nb");
  ReadCsvTextField(line, pos, field);
  EXPECT_EQ(field, "c,\r\n");
  ReadCsvField(line, 0, field);
  EXPECT_EQ(field, "a\\nb");
  // ソ is 0x83 0x5C: its second byte followed by n is no line break.
  ReadCsvTextField("ソn表\\n"_sjis, 0, field);
  EXPECT_EQ(field, "ソn表\r\n"_sjis);
}

TEST(CsvField, WrittenFieldsReadBack) {
  // {text, what a memo reads back}: line breaks come back as CR LF, everything else unchanged.
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", ""},
      {"a,b", "a,b"},
      {"\"", "\""},
      {"\"\"a,\"", "\"\"a,\""},
      {"ソ,表\"能"_sjis, "ソ,表\"能"_sjis},
      {"末尾の\\"_sjis, "末尾の\\"_sjis},
      {"ソn"_sjis, "ソn"_sjis},
      {"x\ny\r\n", "x\r\ny\r\n"},
      {"typed \\n", "typed \r\n"},
  };
  for (const auto& [text, expected] : cases) {
    const std::string line = QuoteCsvField(text) + ",after";
    std::string back;
    const size_t pos = ReadCsvTextField(line, 0, back);
    EXPECT_EQ(back, expected) << line;
    ReadCsvField(line, pos, back);
    EXPECT_EQ(back, "after") << line;
  }
}

}  // namespace
}  // namespace mirelon
