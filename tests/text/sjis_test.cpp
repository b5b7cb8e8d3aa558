#include "text/sjis.h"

#include <gtest/gtest.h>

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
