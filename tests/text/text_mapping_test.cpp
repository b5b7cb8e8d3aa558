#include "text/text_mapping.h"

#include <gtest/gtest.h>

#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

TEST(ToFullWidth, AsciiLettersDigitsAndSigns) {
  EXPECT_EQ(ToFullWidth("abc-123"), "ａｂｃ－１２３"_sjis);
  EXPECT_EQ(ToFullWidth(" !#$%&()*+,./:;<=>?@[]^_{|}"), "　！＃＄％＆（）＊＋，．／：；＜＝＞？＠［］＾＿｛｜｝"_sjis);
  EXPECT_EQ(ToFullWidth("\\~"), "＼～"_sjis);
  EXPECT_EQ(ToFullWidth("'\"`"), "’”‘"_sjis);
}

TEST(ToFullWidth, HalfWidthKanaComposeWithTheirMarks) {
  EXPECT_EQ(ToFullWidth("ｶﾞｯｺｳ"_sjis), "ガッコウ"_sjis);
  EXPECT_EQ(ToFullWidth("ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"_sjis), "パピプペポ"_sjis);
  EXPECT_EQ(ToFullWidth("ｳﾞｧｲｵﾘﾝ"_sjis), "ヴァイオリン"_sjis);
  EXPECT_EQ(ToFullWidth("｡｢｣､･ｰｦ"_sjis), "。「」、・ーヲ"_sjis);
  // A mark that composes with nothing stays a mark of its own.
  EXPECT_EQ(ToFullWidth("ﾜﾞｱﾟﾞ"_sjis), "ワ゛ア゜゛"_sjis);
  EXPECT_EQ(ToFullWidth("ﾞｶ"_sjis), "゛カ"_sjis);
  EXPECT_EQ(ToFullWidth("カﾞ"_sjis), "カ゛"_sjis);
  EXPECT_EQ(ToFullWidth("ﾊﾞﾟ"_sjis), "バ゜"_sjis);
}

TEST(ToFullWidth, LeavesOtherTextAndBadBytesAsTheyAre) {
  EXPECT_EQ(ToFullWidth("漢字ひらがなカタカナＡ　"_sjis), "漢字ひらがなカタカナＡ　"_sjis);
  EXPECT_EQ(ToFullWidth(""), "");
  // A lead byte without its trail is copied; the byte after it is still mapped.
  EXPECT_EQ(ToFullWidth("a\x82"), "ａ"_sjis + "\x82");
  EXPECT_EQ(ToFullWidth("\x82 a"), "\x82" + "　ａ"_sjis);
  // Trail bytes that look like ASCII are not mapped on their own.
  EXPECT_EQ(ToFullWidth("表ソ@"_sjis), "表ソ＠"_sjis);
}

TEST(ToHalfWidth, FullWidthAsciiAndKana) {
  EXPECT_EQ(ToHalfWidth("１２３－４５６７"_sjis), "123-4567");
  EXPECT_EQ(ToHalfWidth("ａｂｃ　ＸＹＺ＼～’”‘"_sjis), "abc XYZ\\~'\"`");
  EXPECT_EQ(ToHalfWidth("ガッコウ"_sjis), "ｶﾞｯｺｳ"_sjis);
  EXPECT_EQ(ToHalfWidth("パヴ。「」、・ー゛゜"_sjis), "ﾊﾟｳﾞ｡｢｣､･ｰﾞﾟ"_sjis);
  // The wide quote forms of the IBM extensions also come back to ASCII.
  EXPECT_EQ(ToHalfWidth("＂＇｀"_sjis), "\"'`");
}

TEST(ToHalfWidth, LeavesWhatHasNoHalfWidthForm) {
  EXPECT_EQ(ToHalfWidth("ひらがな漢字ヰヱヵヶヮ〒"_sjis), "ひらがな漢字ヰヱヵヶヮ〒"_sjis);
  EXPECT_EQ(ToHalfWidth("abc ｱ"_sjis), "abc ｱ"_sjis);
  const std::string unassigned = "\x85\x40";
  EXPECT_EQ(ToHalfWidth(unassigned + "Ａ"_sjis), unassigned + "A");
}

TEST(WidthMappings, EveryHalfWidthCharacterComesBackFromFullWidth) {
  std::string half;
  for (int byte = 0x20; byte <= 0x7E; ++byte) half += static_cast<char>(byte);
  half += "｡｢｣､･ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝﾞﾟ"_sjis;
  const std::string full = ToFullWidth(half);
  EXPECT_EQ(full.size(), 2 * half.size());
  EXPECT_EQ(ToHalfWidth(full), half);
}

TEST(HiraganaToKatakana, MapsHiraganaOnly) {
  EXPECT_EQ(HiraganaToKatakana("ひらがな"_sjis), "ヒラガナ"_sjis);
  EXPECT_EQ(HiraganaToKatakana("ぁあゎをんゝゞ"_sjis), "ァアヮヲンヽヾ"_sjis);
  EXPECT_EQ(HiraganaToKatakana("じゆうが丘ｶﾀabc"_sjis), "ジユウガ丘ｶﾀabc"_sjis);
  EXPECT_EQ(HiraganaToKatakana("カタカナ゛ー"_sjis), "カタカナ゛ー"_sjis);
}

TEST(ToUpperCase, LatinGreekAndCyrillicLowerCase) {
  EXPECT_EQ(ToUpperCase("abc xyz"), "ABC XYZ");
  EXPECT_EQ(ToUpperCase("ａｂｃｚ"_sjis), "ＡＢＣＺ"_sjis);
  EXPECT_EQ(ToUpperCase("αβω"_sjis), "ΑΒΩ"_sjis);
  EXPECT_EQ(ToUpperCase("абвёжоя"_sjis), "АБВЁЖОЯ"_sjis);
  EXPECT_EQ(ToUpperCase("ABCＡひらがなｶﾅ漢"_sjis), "ABCＡひらがなｶﾅ漢"_sjis);
  EXPECT_EQ(ToUpperCase("ソa"_sjis), "ソA"_sjis);  // the trail byte 0x5C is not a backslash
}

}  // namespace
}  // namespace mirelon
