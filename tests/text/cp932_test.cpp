#include "text/cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace mirelon {
namespace {

using namespace literals;

constexpr char16_t kBad = 0xFFFD;

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

std::string Code(int code) { return code > 0xFF ? Bytes({code >> 8, code & 0xFF}) : Bytes({code}); }

bool IsLeadOfCp932(int byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

TEST(Cp932Codec, EverySingleByteIsACharacterThatRoundTrips) {
  for (int byte = 0; byte < 256; ++byte) {
    if (IsLeadOfCp932(byte)) continue;
    const std::u16string decoded = Cp932ToUtf16(Code(byte));
    ASSERT_EQ(decoded.size(), 1u) << byte;
    EXPECT_NE(decoded[0], kBad) << byte;
    EXPECT_EQ(Utf16ToCp932(decoded).bytes, Code(byte)) << byte;
  }
}

TEST(Cp932Codec, SingleBytesDecodeAsWindowsDoes) {
  EXPECT_EQ(Cp932ToUtf16("\\~"), u"\\~");
  EXPECT_EQ(Cp932ToUtf16(Bytes({0x80, 0xA0, 0xFD, 0xFE, 0xFF})), u"\u0080\uF8F0\uF8F1\uF8F2\uF8F3");
  EXPECT_EQ(Cp932ToUtf16(Bytes({0xA1, 0xB1, 0xDF})), u"｡ｱﾟ");
  EXPECT_EQ(Cp932ToUtf8(Bytes({'a', 0x80, 0x83, 0xBF, 0x82, 0xA0, 0xFF})), "a\u0080αあ\uF8F3");
}

// Every assigned double-byte code decodes to one character that encodes back to it, except the
// characters with several codes: those encode to the one code Windows writes, which decodes to the
// same character. The duplicates are the 374 NEC-selected IBM extensions, 15 IBM extensions that
// are also in JIS X 0208 or NEC row 13, and 9 row-13 symbols that are also in JIS X 0208.
TEST(Cp932Codec, EveryDoubleByteCodeRoundTripsOrGoesToWindowsPreferredCopy) {
  int assigned = 0;
  int duplicates = 0;
  int nonSelected = 0;
  int ibmOverRow13OrJis = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadOfCp932(lead)) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const std::u16string decoded = Cp932ToUtf16(Bytes({lead, trail}));
      ASSERT_EQ(decoded.size(), 1u);
      if (decoded[0] == kBad) continue;
      ++assigned;
      const Cp932Encoded encoded = Utf16ToCp932(decoded);
      ASSERT_TRUE(encoded.ok());
      if (encoded.bytes == Bytes({lead, trail})) continue;
      ++duplicates;
      EXPECT_EQ(Cp932ToUtf16(encoded.bytes), decoded);
      const int preferred = static_cast<unsigned char>(encoded.bytes[0]);
      if (lead == 0xED || lead == 0xEE) {
        ++nonSelected;
        EXPECT_TRUE(preferred >= 0xFA || preferred < 0x88) << std::hex << lead << trail;
      } else if (lead >= 0xFA) {
        ++ibmOverRow13OrJis;
        EXPECT_LT(preferred, 0x88);
      } else {
        EXPECT_EQ(lead, 0x87);
        EXPECT_LT(preferred, 0x87);
      }
    }
  }
  EXPECT_EQ(assigned, 7724 + 1880);  // JIS X 0208 + NEC + IBM, and the user-defined area
  EXPECT_EQ(nonSelected, 374);
  EXPECT_EQ(ibmOverRow13OrJis, 15);
  EXPECT_EQ(duplicates, 398);
}

TEST(Cp932Codec, KnownCodesInEachArea) {
  EXPECT_EQ(Cp932ToUtf16(Bytes({0x82, 0xA0, 0x88, 0x9F, 0x87, 0x40, 0xFA, 0x40, 0xED, 0x40})), u"あ亜①ⅰ纊");
  EXPECT_EQ(Cp932ToUtf16(Bytes({0xF0, 0x40, 0xF0, 0x7E, 0xF0, 0x80, 0xF9, 0xFC})), u"\uE000\uE03E\uE03F\uE757");
  EXPECT_EQ(Cp932ToUtf16(Bytes({0x81, 0x60, 0x81, 0x7C, 0x81, 0x5F})), u"～－＼");
}

TEST(Cp932Codec, EncodesCharactersWithSeveralCodesAsWindowsDoes) {
  EXPECT_EQ(Sjis("∵"), Code(0x81E6));  // JIS X 0208 over row 13 and IBM
  EXPECT_EQ(Sjis("Ⅰ"), Code(0x8754));  // row 13 over IBM
  EXPECT_EQ(Sjis("№"), Code(0x8782));
  EXPECT_EQ(Sjis("￢"), Code(0x81CA));  // JIS X 0208 over NEC-selected and IBM
  EXPECT_EQ(Sjis("纊"), Code(0xFA5C));  // IBM over NEC-selected
  EXPECT_EQ(Sjis("ⅰ"), Code(0xFA40));
  EXPECT_EQ(Sjis("＂"), Code(0xFA57));
}

TEST(Cp932Codec, JisStyleCodePointsEncodeToTheSameCharacter) {
  EXPECT_EQ(Sjis("〜"), Sjis("～"));  // WAVE DASH as typed on Linux
  EXPECT_EQ(Sjis("−"), Sjis("－"));
  EXPECT_EQ(Sjis("‖"), Sjis("∥"));
  EXPECT_EQ(Sjis("¢£¬"), Sjis("￠￡￢"));
  EXPECT_EQ(Cp932ToUtf8(Sjis("〜")), "～");
}

TEST(Cp932Codec, TrailBytesThatLookLikeAsciiStayInsideTheirCharacter) {
  const std::string text = Sjis("表ソ能ミ@");
  EXPECT_EQ(text, Bytes({0x95, 0x5C, 0x83, 0x5C, 0x94, 0x5C, 0x83, 0x7E, 0x40}));
  EXPECT_EQ(Cp932ToUtf8(text), "表ソ能ミ@");
  EXPECT_EQ(Cp932ToUtf16(Bytes({0x82, 0xA0, 0x40})), u"あ@");
}

TEST(Cp932Codec, UndecodableBytesBecomeOneReplacementEachAndDecodingGoesOn) {
  // An unassigned pair is one character.
  EXPECT_EQ(Cp932ToUtf16(Bytes({'A', 0x85, 0x40, 'B'})), u"A\uFFFDB");
  EXPECT_EQ(Cp932ToUtf16(Bytes({0xEB, 0x9F, 0x82, 0xA0})), u"\uFFFDあ");
  // A lead byte whose next byte cannot be a trail is bad alone; the next byte is read afresh.
  EXPECT_EQ(Cp932ToUtf16(Bytes({0x82, ' ', 'x'})), u"\uFFFD x");
  EXPECT_EQ(Cp932ToUtf16(Bytes({0x82, 0x7F})), u"\uFFFD\u007F");
  EXPECT_EQ(Cp932ToUtf16(Bytes({0x82, 0xFD})), u"\uFFFD\uF8F1");
  EXPECT_EQ(Cp932ToUtf16(Bytes({0x82, 0x82, 0xA0})), u"ｂ\uF8F0");  // a trail byte never starts the next pair
  // A lead byte at the very end.
  EXPECT_EQ(Cp932ToUtf16(Bytes({'a', 'b', 0x82})), u"ab\uFFFD");
  EXPECT_EQ(Cp932ToUtf8(Bytes({0x82})), "\uFFFD");
  EXPECT_EQ(Cp932ToUtf16(""), u"");
}

TEST(Cp932Codec, CharactersCp932CannotHoldAreReportedAndLeftOut) {
  Cp932Encoded utf8 = Utf8ToCp932("a𠮷b😀");
  EXPECT_EQ(utf8.firstUnmappable, 1u);
  EXPECT_EQ(utf8.bytes, "ab");
  EXPECT_FALSE(utf8.ok());

  Cp932Encoded utf16 = Utf16ToCp932(u"あ𠮷い\uFFFD");
  EXPECT_EQ(utf16.firstUnmappable, 1u);
  EXPECT_EQ(utf16.bytes, Sjis("あい"));
  EXPECT_EQ(Utf16ToCp932(u"ab\uFFFD").firstUnmappable, 2u);
  EXPECT_EQ(Utf16ToCp932(u"é").firstUnmappable, 0u);
  EXPECT_TRUE(Utf16ToCp932(u"").ok());
}

TEST(Cp932Codec, MalformedUnicodeIsUnmappable) {
  const std::u16string loneHigh{u'a', char16_t(0xD842)};
  EXPECT_EQ(Utf16ToCp932(loneHigh).firstUnmappable, 1u);
  const std::u16string loneLow{char16_t(0xDFB7), u'a'};
  const Cp932Encoded low = Utf16ToCp932(loneLow);
  EXPECT_EQ(low.firstUnmappable, 0u);
  EXPECT_EQ(low.bytes, "a");

  EXPECT_EQ(Utf8ToCp932(Bytes({'a', 0xC3})).firstUnmappable, 1u);                 // cut short
  EXPECT_EQ(Utf8ToCp932(Bytes({'a', 0xC0, 0xAF})).firstUnmappable, 1u);           // overlong
  EXPECT_EQ(Utf8ToCp932(Bytes({0xED, 0xA0, 0x80})).firstUnmappable, 0u);          // surrogate
  EXPECT_EQ(Utf8ToCp932(Bytes({0xE3, 0x81, 'a'})).bytes, "a");                    // bad continuation
  EXPECT_EQ(Utf8ToCp932(Bytes({0xF4, 0x90, 0x80, 0x80})).firstUnmappable, 0u);    // beyond U+10FFFF
}

TEST(Cp932Codec, Utf8ValidityTellsUtf8FromShiftJis) {
  EXPECT_TRUE(IsValidUtf8("abc"));
  EXPECT_TRUE(IsValidUtf8("北海道"));
  EXPECT_FALSE(IsValidUtf8(Sjis("北海道")));
  EXPECT_FALSE(IsValidUtf8(Bytes({'a', 0xE3, 0x81})));  // cut short at the end
}

TEST(Cp932Codec, SjisLiteralAndItsProgrammingError) {
  EXPECT_EQ("送信しない"_sjis, Sjis("送信しない"));
  EXPECT_EQ(Cp932ToUtf8("送信しない"_sjis), "送信しない");
  EXPECT_EQ(std::string("a\0b"_sjis), std::string("a\0b", 3));
  EXPECT_THROW(Sjis("𠮷"), std::invalid_argument);
}

}  // namespace
}  // namespace mirelon
