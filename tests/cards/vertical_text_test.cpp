#include "cards/vertical_text.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "text/cp932.h"

namespace mirelon {
namespace {

std::string Converted(const char* utf8, NumberStyle style = NumberStyle::KanjiDigits) {
  return Cp932ToUtf8(JoinUnits(VerticalUnits(Sjis(utf8), style)));
}

TEST(VerticalText, ConversionTable) {
  struct Case {
    const char* typed;
    NumberStyle style;
    const char* shown;
  };
  const Case cases[] = {
      {"1-2-3", NumberStyle::KanjiDigits, "一‐二‐三"},
      {"10", NumberStyle::KanjiDigits, "一〇"},
      {"101号", NumberStyle::KanjiDigits, "一〇一号"},
      {"２丁目５番地", NumberStyle::KanjiDigits, "二丁目五番地"},
      {"10", NumberStyle::KanjiTens, "十"},
      {"12-20-35", NumberStyle::KanjiTens, "十二‐二十‐三十五"},
      // The 十 style as its label says, each number on its own (an address is made consistent by
      // AddressNumberStyle); a leading zero or five digits go digit by digit.
      {"721", NumberStyle::KanjiTens, "七百二十一"},
      {"1108", NumberStyle::KanjiTens, "千百八"},
      {"2000-100-11", NumberStyle::KanjiTens, "二千‐百‐十一"},
      {"101号 05", NumberStyle::KanjiTens, "百一号　〇五"},
      {"12345", NumberStyle::KanjiTens, "一二三四五"},
      // Straight quotes in pairs stand as 〝〟; an odd one out stays.
      {"\"青葉\"荘", NumberStyle::KanjiDigits, "〝青葉〟荘"},
      {"＂森＂の'家", NumberStyle::KanjiDigits, "〝森〟の’家"},
      {"3-12-105", NumberStyle::FullWidthDigits, "３‐12‐１０５"},
      // Every hyphen-like character, and a long-vowel mark after a digit, is the one hyphen.
      {"1‐2−3－4―5ー6", NumberStyle::KanjiDigits, "一‐二‐三‐四‐五‐六"},
      {"コーポ1ー2", NumberStyle::KanjiDigits, "コーポ一‐二"},
      {"ｶﾞｰﾃﾞﾝ A棟", NumberStyle::KanjiDigits, "ガーデン　Ａ棟"},
      // Nothing is invented: no 丁目, 番 or 号 where none was typed.
      {"1-1", NumberStyle::KanjiTens, "一‐一"},
      {"Green Hills 3F", NumberStyle::KanjiDigits, "Green　Hills　三Ｆ"},
  };
  for (const Case& c : cases) EXPECT_EQ(Converted(c.typed, c.style), c.shown) << c.typed;
}

TEST(VerticalText, UnitKindsAndBreaks) {
  const std::vector<TextUnit> units = VerticalUnits(Sjis("東京都港区1-23 Sunny館"), NumberStyle::FullWidthDigits);
  std::vector<std::pair<std::string, UnitKind>> kinds;
  std::string breaks;
  for (const TextUnit& unit : units) {
    kinds.emplace_back(Cp932ToUtf8(unit.text), unit.kind);
    const char marks[] = {'-', '.', 'M', 'B'};
    breaks += marks[static_cast<int>(unit.breakBefore)];
  }
  EXPECT_EQ(kinds[6], (std::pair<std::string, UnitKind>{"‐", UnitKind::Upright}));
  EXPECT_EQ(kinds[7], (std::pair<std::string, UnitKind>{"23", UnitKind::SideBySide}));
  EXPECT_EQ(kinds[9], (std::pair<std::string, UnitKind>{"Sunny", UnitKind::Turned}));
  // 東京都|港区|1-23 |Sunny館: no break inside the number, the building after the space.
  EXPECT_EQ(breaks, "...M.M--B..");
}

TEST(VerticalText, AnAddressTakesTheTensStyleOnlyWhenEveryNumberCanHaveIt) {
  struct Case {
    const char* line1;
    const char* line2;
    NumberStyle style;
  };
  const Case cases[] = {
      {"港区1-721", "ハイツ1108号", NumberStyle::KanjiTens},
      {"港区1-721", "ハイツ0108号", NumberStyle::KanjiDigits},
      {"港区１２３４５", "", NumberStyle::KanjiDigits},
      {"港区", "", NumberStyle::KanjiTens},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(AddressNumberStyle(NumberStyle::KanjiTens, {Sjis(c.line1), Sjis(c.line2)}), c.style) << c.line2;
  }
  EXPECT_EQ(AddressNumberStyle(NumberStyle::FullWidthDigits, {Sjis("0108")}), NumberStyle::FullWidthDigits);
}

// Where a building name starts ('B'), with the block number typed in digits or in kanji; place
// names with numerals (一番町, 北一条) are not block numbers.
TEST(VerticalText, TheBuildingBreakFollowsABlockNumberInDigitsOrKanji) {
  const std::pair<const char*, const char*> cases[] = {
      {"二丁目一番地札幌市役所", "札幌市役所"},
      {"２丁目１番地札幌市役所", "札幌市役所"},
      {"一番町三番五号青葉ビル", "青葉ビル"},
      {"北一条西二丁目第一ビル", "第一ビル"},
      {"千代田区一番町", ""},
  };
  for (const auto& [typed, building] : cases) {
    const std::vector<TextUnit> units = VerticalUnits(Sjis(typed), NumberStyle::KanjiDigits);
    const auto at = std::find_if(units.begin(), units.end(),
                                 [](const TextUnit& unit) { return unit.breakBefore == BreakClass::BeforeBuilding; });
    EXPECT_EQ(Cp932ToUtf8(JoinUnits({at, units.end()})), building) << typed;
  }
}

TEST(VerticalText, UndecodableBytesShowAsAMark) {
  const std::string broken = Sjis("東") + "\x81";
  EXPECT_EQ(Cp932ToUtf8(JoinUnits(VerticalUnits(broken, NumberStyle::KanjiDigits))), "東〓");
}

}  // namespace
}  // namespace mirelon
