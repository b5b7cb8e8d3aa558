#include "postal/postal_line_scan.h"

#include <gtest/gtest.h>

#include "postal/postal_files.h"
#include "postal/wide_data_file.h"
#include "postal_test_support.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

std::string SjisOf(std::u16string_view text) { return Utf16ToCp932(text).bytes; }

// What the line readers give, kept where the key follows the first unit: the scan must agree.
template <class Char, class Reader, class Read>
std::optional<std::vector<std::basic_string<Char>>> ReaderLinesWithKey(std::optional<std::basic_string<Char>> file,
                                                                      std::basic_string_view<Char> key, Read read) {
  if (!file) return std::nullopt;
  Reader reader(std::move(*file));
  std::vector<std::basic_string<Char>> lines;
  for (std::basic_string_view<Char> line; (reader.*read)(line);) {
    if (line.size() > key.size() && line.substr(1, key.size()) == key) lines.emplace_back(line);
  }
  return lines;
}

// A file of `size` units whose rows around the place `at` carry the key, the rest other codes.
std::u16string RowsAround(size_t at, size_t size) {
  std::u16string text;
  while (text.size() < size) text += text.size() + 40 > at && text.size() < at + 40 ? u"\"4520961\",表\n" : u"\"4520962\",ソ\r\n";
  return text;
}

const std::u16string kKey = u"4520961";

// Row texts in UTF-16; the Shift-JIS file holds the same characters.
const std::vector<std::u16string> kFiles = {
    u"\"4520961\",表\n\"1234567\",\"4520961\"\n",     // in another field too
    u"x4520961,能\r\n4520961,\"a\"\r\n\"4520961\"",  // any first unit; a last line without a line end
    u"\"4520961\",ソ\r\n\r\n\n\"4520961\",\r\n",
    u"4520961",                                        // the code opening the file is not after a first unit
    u"\"452096",                                       // cut short
    u"",
    RowsAround(32 * 1024, 70 * 1024),   // rows across the pieces of a Shift-JIS file
    RowsAround(64 * 1024, 140 * 1024),  // and of a UTF-16 file
};

// Only a UTF-16 file has these: a byte-order mark, lines cut in parts, the key's bytes one byte off.
std::vector<std::u16string> WideOnlyFiles() {
  const size_t cut = WideLineReader::kMaxLineUnits;
  const std::u16string longLine(cut, u'x');
  return {
      u"\uFEFF\"4520961\",表\n\uFEFF\"4520961\"\n",
      u"\uFEFF4520961\n",
      longLine + u"\"4520961\"\n" + longLine.substr(1) + u"\"4520961\"\n",  // a part starts with the code
      longLine.substr(3) + u"\"4520961\"\n",                                  // the cut falls inside the code
      longLine + u"\n4520961\n",                                              // an empty part before the line feed
      u"\"\x3441\x3500\x3200\x3000\x3900\x3600\x3100\x2C00\n\"1234567\",abcdefgh\n",  // "4\0" "5\0"... from an odd byte
      u"\"4520961\",\u0A41\u4E00\"4520961\"\n\"4520961\",x\n",  // a line feed's bytes from an odd byte
  };
}

TEST(PostalLineScanTest, ShiftJisScanGivesTheReadersLinesThatCarryTheKey) {
  test::TempFolder folder;
  for (const std::u16string& text : kFiles) {
    const std::string sjis = SjisOf(text);
    test::WriteBytes(folder / "a.csv", sjis);
    const auto expected = ReaderLinesWithKey<char, SjisLineReader>(sjis, std::string_view(SjisOf(kKey)),
                                                                     &SjisLineReader::ReadLine);
    EXPECT_EQ(SjisLinesWithKey(folder / "a.csv", SjisOf(kKey)), expected) << test::U8(sjis.substr(0, 40));
  }
  EXPECT_FALSE(SjisLinesWithKey(folder / "missing.csv", "4520961"));
}

TEST(PostalLineScanTest, WideScanGivesTheReadersLinesThatCarryTheKey) {
  test::TempFolder folder;
  std::vector<std::u16string> files = kFiles;
  for (const std::u16string& text : WideOnlyFiles()) files.push_back(text);
  for (const std::u16string& text : files) {
    for (const std::string& bytes : {test::LittleEndianBytes(text), test::LittleEndianBytes(text) + "x"}) {
      test::WriteBytes(folder / "a.csv", bytes);
      const auto expected =
          ReaderLinesWithKey<char16_t, WideLineReader>(ReadWideFile(folder / "a.csv"), kKey, &WideLineReader::ReadWideLine);
      EXPECT_EQ(WideLinesWithKey(folder / "a.csv", kKey), expected) << test::U8(SjisOf(text.substr(0, 40)));
    }
  }
}

// A file read in pieces of any size, a unit or a line feed split between two, gives the lines of
// the file taken whole.
TEST(PostalLineScanTest, PiecesOfAnySizeGiveTheLinesOfTheWholeFile) {
  std::vector<std::pair<std::string, bool>> files;  // bytes, UTF-16
  for (const std::u16string& text : kFiles) files.emplace_back(SjisOf(text), false);
  for (const std::u16string& text : kFiles) files.emplace_back(test::LittleEndianBytes(text) + "x", true);
  for (const std::u16string& text : WideOnlyFiles()) files.emplace_back(test::LittleEndianBytes(text), true);
  for (const auto& [bytes, wide] : files) {
    const auto scanOf = [wide = wide] { return wide ? KeyLineScan::ForWide(kKey) : KeyLineScan::ForSjis(SjisOf(kKey)); };
    KeyLineScan whole = scanOf();
    whole.Take(bytes);
    const std::vector<std::string> expected = whole.Finish();
    for (const size_t size : {1, 2, 3, 5}) {
      KeyLineScan scan = scanOf();
      for (size_t at = 0; at < bytes.size(); at += size) scan.Take(std::string_view(bytes).substr(at, size));
      EXPECT_EQ(scan.Finish(), expected) << size << (wide ? " UTF-16 " : " ") << bytes.size();
    }
  }
}

TEST(PostalLineScanTest, WideScanRefusesWhatTheReaderRefuses) {
  test::TempFolder folder;
  std::string swapped = test::LittleEndianBytes(u"\"4520961\",表\n");
  for (size_t i = 0; i + 1 < swapped.size(); i += 2) std::swap(swapped[i], swapped[i + 1]);
  test::WriteBytes(folder / "be.csv", swapped);
  EXPECT_FALSE(ReadWideFile(folder / "be.csv"));
  EXPECT_FALSE(WideLinesWithKey(folder / "be.csv", kKey));
  EXPECT_FALSE(WideLinesWithKey(folder / "missing.csv", kKey));
}

}  // namespace
}  // namespace mirelon
