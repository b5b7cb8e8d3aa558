#include "postal/postal_normalize.h"

#include <gtest/gtest.h>

#include "postal/postal_encoding.h"
#include "postal/postal_words.h"
#include "postal_test_support.h"

namespace mirelon {
namespace {

using test::U8;

TEST(NormalizePostalCodeTest, KeepsExactlySevenDigitsOfAnyWidth) {
  EXPECT_EQ(NormalizePostalCode(Sjis("〒１０５－００１１")), "1050011");
  EXPECT_EQ(NormalizePostalCode(Sjis(" 105-0011 ")), "1050011");
  EXPECT_EQ(NormalizePostalCode(Sjis("105-001")), "");
  EXPECT_EQ(NormalizePostalCode(Sjis("1050011-1")), "");
  EXPECT_EQ(NormalizePostalCode(""), "");
}

TEST(PrefectureNamesTest, FortySevenInFixedOrder) {
  ASSERT_EQ(PrefectureNames().size(), 47u);
  EXPECT_EQ(U8(PrefectureNames()[0]), "北海道");
  EXPECT_EQ(U8(PrefectureNames()[7]), "東京都");
  EXPECT_EQ(U8(PrefectureNames()[26]), "京都府");
  EXPECT_EQ(U8(PrefectureNames()[46]), "沖縄県");
}

// Every step has one form per encoding; both must give the same results.
template <class E>
class NormalizeTest : public ::testing::Test {
 protected:
  static typename E::Text T(std::string_view utf8) { return E::FromSjis(Sjis(utf8)); }
  static std::string U(const typename E::Text& text) { return U8(E::ToSjis(text)); }

  static std::string Normalized(std::string_view utf8) {
    typename E::Text text = T(utf8);
    NormalizeInput(text);
    return U(text);
  }
  // The text folded with `mask`, and the classes returned.
  static std::pair<std::string, int> Folded(std::string_view utf8, int mask) {
    typename E::Text text = T(utf8);
    const int found = FoldForMatch(text, mask);
    return {U(text), found};
  }
  static std::string Stripped(std::string_view utf8, bool withSpace) {
    typename E::Text text = T(utf8);
    withSpace ? StripCompanyWords(text) : StripCompanyWordsNoSpace(text);
    return U(text);
  }
};
TYPED_TEST_SUITE(NormalizeTest, test::BothEngines, test::EngineNames);

TYPED_TEST(NormalizeTest, InputLosesBlanksAndBecomesFullWidth) {
  EXPECT_EQ(this->Normalized(" 港区\t芝公園　4-1 "), "港区芝公園４－１");
  EXPECT_EQ(this->Normalized("ｼｮｳﾜﾁｮｳ"), "ショウワチョウ");
  EXPECT_EQ(this->Normalized("ｶﾞｰﾃﾞﾝ"), "ガーデン");
  EXPECT_EQ(this->Normalized(" 　\t"), "");
}

TYPED_TEST(NormalizeTest, FoldMakesTypedAndFileSpellingsMeet) {
  // The typed text is folded with every class; the file text with what the typed one had.
  const auto [typed, mask] = this->Folded("自由が丘", kFoldAll);
  EXPECT_EQ(typed, "自由ガ丘");
  EXPECT_EQ(mask, kFoldKana);
  EXPECT_EQ(this->Folded("自由ヶ丘", mask).first, "自由ガ丘");
  EXPECT_EQ(this->Folded("霞が関", kFoldAll).first, this->Folded("霞ケ関", kFoldKana).first);
  EXPECT_EQ(this->Folded("木之本町", kFoldAll), std::make_pair(std::string("木ノ本町"), kFoldKana));
  EXPECT_EQ(this->Folded("ショウワ", kFoldAll).first, "シヨウワ");
  EXPECT_EQ(this->Folded("きゃっと", kFoldAll).first, "キヤツト");
}

TYPED_TEST(NormalizeTest, FoldTouchesOnlyTheClassesAsked) {
  // Kanji and digits only: nothing found, so file text is not folded at all, not even ケ.
  EXPECT_EQ(this->Folded("千代田区１－１", kFoldAll), std::make_pair(std::string("千代田区１－１"), 0));
  EXPECT_EQ(this->Folded("霞ケ関", 0), std::make_pair(std::string("霞ケ関"), 0));
  EXPECT_EQ(this->Folded("ａｂｃビル", kFoldLatin), std::make_pair(std::string("ＡＢＣビル"), kFoldLatin));
  EXPECT_EQ(this->Folded("ａｂｃビル", kFoldAll), std::make_pair(std::string("ＡＢＣビル"), kFoldAll));
  // Capitals alone are already folded; small kana are kept when kana were not asked for.
  EXPECT_EQ(this->Folded("ＡＢＣャ", kFoldLatin), std::make_pair(std::string("ＡＢＣャ"), kFoldLatin));
}

TYPED_TEST(NormalizeTest, CompanyWordsAreDropped) {
  EXPECT_EQ(this->Stripped("株式会社（株）・Ａ", true), "Ａ");
  EXPECT_EQ(this->Stripped("大丸　株式会社", true), "大丸");
  EXPECT_EQ(this->Stripped("大丸　株式会社", false), "大丸　");
  EXPECT_EQ(this->Stripped("（有）Ｂ", true), "有Ｂ");
}

TYPED_TEST(NormalizeTest, PrefectureIsSplitOffInTableOrder) {
  const auto kyoto = SplitPrefecture(this->T("京都府京都市"));
  EXPECT_EQ(this->U(kyoto.prefecture), "京都府");
  EXPECT_EQ(this->U(kyoto.remainder), "京都市");
  const auto none = SplitPrefecture(this->T("港区芝公園"));
  EXPECT_EQ(this->U(none.prefecture), "");
  EXPECT_EQ(this->U(none.remainder), "港区芝公園");
  EXPECT_EQ(this->U(SplitPrefecture(this->T("神奈川県")).remainder), "");
}

TYPED_TEST(NormalizeTest, LeadEndsBeforeTheFirstNonZeroDigit) {
  EXPECT_EQ(this->U(LeadBeforeBlockNumber(this->T("銀座１丁目"))), "銀座");
  EXPECT_EQ(this->U(LeadBeforeBlockNumber(this->T("銀座０丁目"))), "");
  EXPECT_EQ(this->U(LeadBeforeBlockNumber(this->T("１丁目"))), "");
  EXPECT_EQ(this->U(LeadBeforeBlockNumber(this->T("芝公園４－９－１"))), "芝公園");
  EXPECT_EQ(this->U(LeadBeforeBlockNumber(this->T("芝公園十番"))), "");
}

TYPED_TEST(NormalizeTest, TownAreaShapes) {
  EXPECT_EQ(this->U(TownAreaForMatch(this->T("以下に掲載がない場合"))), "");
  EXPECT_EQ(this->U(TownAreaForMatch(this->T("丸の内（次のビルを除く）"))), "丸の内");
  EXPECT_EQ(this->U(TownAreaForMatch(this->T("芝（４丁目、５丁目）"))), "芝");
  EXPECT_EQ(this->U(TownAreaForMatch(this->T("犬吠埼、小畑新町"))), "");
  EXPECT_EQ(this->U(TownAreaForMatch(this->T("芝公園"))), "芝公園");
}

TYPED_TEST(NormalizeTest, BusinessNameLosesCompanyWordsAndSuffix) {
  EXPECT_EQ(this->U(BusinessNameForMatch(this->T("Ａ商事、本社"), 0)), "Ａ商事");
  EXPECT_EQ(this->U(BusinessNameForMatch(this->T("、Ａ商事"), 0)), "、Ａ商事");
  EXPECT_EQ(this->U(BusinessNameForMatch(this->T("株式会社　ａ商事"), kFoldLatin)), "Ａ商事");
  EXPECT_EQ(this->U(BusinessNameForMatch(this->T("丸善雄松堂　（株）　札幌支店"), 0)), "丸善雄松堂札幌支店");
}

// Searches on CP932 bytes look only at character boundaries: the second byte of ソ, 表 and 能 is
// 0x5C, and a second byte followed by an ASCII letter must not be read as a character.
TEST(SjisBoundaryTest, SearchesStayOnCharacterBoundaries) {
  const std::string word = Sjis("ソ表能");
  ASSERT_EQ(word[1], '\x5C');
  // 0x81 0x69 is "（"; here 0x81 is the second byte of 梶 (0x8A81) and 0x69 an ASCII "i".
  const std::string straddle = Sjis("梶") + "i";
  ASSERT_EQ(straddle.substr(1, 2), Sjis("（"));
  EXPECT_EQ(SjisEncoding::Find(straddle, Sjis("（")), std::string::npos);
  EXPECT_EQ(TownAreaForMatch(straddle + Sjis("町")), straddle + Sjis("町"));
  std::string text = Sjis("ソ・表（株）能");
  StripCompanyWords(text);
  EXPECT_EQ(text, word);
}

}  // namespace
}  // namespace mirelon
