#include "postal/wide_conversion.h"

#include <gtest/gtest.h>

#include <map>

#include "postal/wide_table.h"
#include "postal/wide_text.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

std::string Pair(int code) { return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)}; }

// The table is code page 932 cell for cell, except the seven cells that hold the JIS values.
TEST(WideTableTest, MatchesCodePage932ExceptTheSevenJisCells) {
  const std::map<int, char16_t> jisCells = {{0x815F, 0x005C}, {0x8160, 0x301C}, {0x8161, 0x2016}, {0x817C, 0x2212},
                                            {0x8191, 0x00A2}, {0x8192, 0x00A3}, {0x81CA, 0x00AC}};
  int characters = 0;
  for (int lead = 0x81; lead <= 0xEF; ++lead) {
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F || (lead > 0x9F && lead < 0xE0)) continue;
      const int code = lead << 8 | trail;
      const std::u16string wide = SjisToWide(Pair(code));
      ASSERT_EQ(wide.size(), 1u);
      const std::u16string windows = Cp932ToUtf16(Pair(code));
      if (const auto jis = jisCells.find(code); jis != jisCells.end()) {
        EXPECT_EQ(wide[0], jis->second) << std::hex << code;
      } else if (windows[0] != 0xFFFD) {
        EXPECT_EQ(wide[0], windows[0]) << std::hex << code;
        ++characters;
      } else {
        EXPECT_EQ(wide[0], u'？') << std::hex << code;
      }
    }
  }
  EXPECT_GT(characters, 7000);
  EXPECT_EQ(WideTableRowOf(13), 8);
  EXPECT_EQ(JisRowOf(WideTableRowOf(84)), 84);
  EXPECT_EQ(WideTableRowOf(9), -1);
}

TEST(WideConversionTest, WaveDashTakesTheJisValueAndComesBackFromEitherForm) {
  const std::string waveDash = Sjis("～");
  EXPECT_EQ(SjisToWide(waveDash), u"\u301C");
  EXPECT_EQ(WideToSjis(u"\u301C"), waveDash);
  EXPECT_EQ(WideToSjis(u"\uFF5E"), waveDash);  // how the national data writes it
  EXPECT_EQ(WideToSjis(u"\uFF0D"), Sjis("－"));
  EXPECT_EQ(TableFormOf(u'\uFF5E'), u'\u301C');
  EXPECT_EQ(TableFormOf(u'ア'), u'ア');
}

TEST(WideConversionTest, LatinOneSignsComeBackAsTheirDoubleByteCodes) {
  // ¢ (0x8191) is U+00A2 in the table; as one byte 0xA2 it would turn into the half-width "｣".
  EXPECT_EQ(SjisToWide(Sjis("¢")), u"\u00A2");
  EXPECT_EQ(WideToSjis(u"\u00A2\u00D7\u00B0"), Sjis("¢×°"));
}

TEST(WideConversionTest, RoundTripsKeepEveryCharacter) {
  for (const std::string_view text : {"ソ表能", "ｼｮｳﾜ", "港区芝公園４－１", "abc,\"x\"", "髙橋", "①Ⅹ"}) {
    const std::string sjis = Sjis(text);
    EXPECT_EQ(WideToSjis(SjisToWide(sjis)), sjis) << text;
  }
  EXPECT_EQ(SjisToWide(Sjis("ｼｮｳﾜ")), u"ｼｮｳﾜ");
  EXPECT_EQ(SjisToWide(Sjis("髙")), u"髙");  // IBM extension, outside the table's rows
}

TEST(WideConversionTest, BackslashDoesNotEndTheText) {
  EXPECT_EQ(SjisToWide("a\\b"), u"a\\b");
  EXPECT_EQ(WideToSjis(u"a\\b"), "a\\b");
}

TEST(WideConversionTest, UnknownCodesBecomeQuestionMarksAndUnknownUnitsAreDropped) {
  EXPECT_EQ(SjisToWide("a\x85\x40" "b"), u"a？b");  // an empty row of the table
  EXPECT_EQ(SjisToWide("a\x81"), u"a？");           // a lead byte that ends the text
  EXPECT_EQ(SjisToWide("\xA0"), u"？");
  EXPECT_EQ(WideToSjis(u"a\u00E9\U0001F600b"), "ab");
}

TEST(WideTextTest, EmptyPatternsAreNeverFoundNorReplaced) {
  WideText text(u"芝公園芝");
  EXPECT_EQ(text.Find(WideText(u"公園")), 1);
  EXPECT_EQ(text.Find(WideText()), WideText::kNotFound);
  EXPECT_EQ(WideText().Find(WideText(u"芝")), WideText::kNotFound);
  EXPECT_EQ(text.ReplaceAll(WideText(), WideText(u"x")), 0);
  EXPECT_EQ(text.ReplaceAll(WideText(u"芝"), WideText(u"ＡＢ")), 2);
  EXPECT_EQ(text, WideText(u"ＡＢ公園ＡＢ"));
  // A bounded comparison: a text that ends first orders first.
  EXPECT_EQ(text.CompareN(WideText(u"ＡＢ公"), 3), 0);
  EXPECT_EQ(text.CompareN(WideText(u"ＡＢ"), 3), 1);
  EXPECT_EQ(WideText(u"ＡＢ").CompareN(text, 3), -1);
}

}  // namespace
}  // namespace mirelon
