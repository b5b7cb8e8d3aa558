#include "text/sjis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

std::string Fit(std::string text, int width, bool pad) {
  FitToHalfWidth(text, width, pad);
  return text;
}

TEST(FitToHalfWidth, NeverSplitsADoubleByteCharacter) {
  const std::string three = "山田様"_sjis;
  EXPECT_EQ(Fit(three, 5, true), "山田"_sjis + " ");
  EXPECT_EQ(Fit(three, 5, false), "山田"_sjis);
  EXPECT_EQ(Fit(three, 6, false), three);
  EXPECT_EQ(Fit(three, 1, true), " ");
  EXPECT_EQ(Fit("ab表"_sjis, 3, false), "ab");  // 表 ends in 0x5C: cut whole, not after its lead
  EXPECT_EQ(Fit("abc", 2, false), "ab");
}

TEST(FitToHalfWidth, PadsShortTextWithHalfWidthSpaces) {
  EXPECT_EQ(Fit("ab", 4, true), "ab  ");
  EXPECT_EQ(Fit("ab", 4, false), "ab");
  EXPECT_EQ(Fit("", 3, true), "   ");
  EXPECT_EQ(Fit("ab", 0, true), "");
  EXPECT_EQ(Fit("ab", -1, true), "");
}

TEST(FitToHalfWidth, LeadByteAtTheEndCountsTwo) {
  EXPECT_EQ(Fit("ab\x82", 3, true), "ab ");
  EXPECT_EQ(Fit("ab\x82", 4, false), "ab\x82");
}

// The cut point is found by looking back from the cut; it must agree with walking the text from
// its start on any bytes at all, malformed ones included.
TEST(FitToHalfWidth, CutFromTheEndAgreesWithAWalkFromTheStart) {
  const auto walked = [](std::string_view text, size_t width) {
    size_t count = 0;
    bool lastDouble = false;
    while (count < width && count < text.size()) {
      lastDouble = IsLeadByte(text[count]);
      count += lastDouble ? 2 : 1;
    }
    if (count < width) return text.size();
    return std::min(lastDouble && count == width + 1 ? width - 1 : width, text.size());
  };
  const unsigned char alphabet[] = {'a', ' ', 0x40, 0x5C, 0x81, 0x82, 0x9F, 0xA0, 0xB1, 0xE0, 0xFC};
  unsigned seed = 12345;
  const auto next = [&seed](unsigned range) {
    seed = seed * 1103515245 + 12345;
    return (seed >> 16) % range;
  };
  for (int round = 0; round < 20000; ++round) {
    std::string text;
    for (unsigned length = next(12); length > 0; --length) text += static_cast<char>(alphabet[next(std::size(alphabet))]);
    for (int width = 0; width <= 13; ++width) {
      ASSERT_EQ(HalfWidthPrefix(text, width), walked(text, static_cast<size_t>(width))) << "width " << width;
    }
  }
}

TEST(TrimBlanks, RemovesHalfAndFullWidthSpacesAtBothEnds) {
  EXPECT_EQ(TrimBlanks("　 東京 　都　 "_sjis), "東京 　都"_sjis);
  EXPECT_EQ(TrimBlanks("  "), "");
  EXPECT_EQ(TrimBlanks("　"_sjis), "");
  EXPECT_EQ(TrimBlanks(""), "");
  EXPECT_EQ(TrimBlanks("\tA\t"), "\tA\t");
}

TEST(TrimBlanks, LooksAtWholeCharactersOnly) {
  // ＝ is 0x81 0x81: its trail byte and the '@' after it read like a full-width space.
  EXPECT_EQ(TrimBlanks("＝@"_sjis), "＝@"_sjis);
  EXPECT_EQ(TrimBlanks("＝@　"_sjis), "＝@"_sjis);
  // A lead byte at the very end is kept; a space before it is not trailing.
  EXPECT_EQ(TrimBlanks(" a \x81"), "a \x81");
  EXPECT_EQ(TrimBlanks("\x81"), "\x81");
}

}  // namespace
}  // namespace mirelon
