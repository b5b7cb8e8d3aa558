#include "postal/public_postal_file.h"

#include <gtest/gtest.h>

#include "postal_test_support.h"
#include "public_postal_support.h"
#include "text/cp932.h"

namespace mirelon::test {
namespace {

// The sibling's file for rows written in UTF-8, as its own UTF-16 files hold them.
std::string SiblingBytes(std::string_view utf8Rows) { return LittleEndianBytes(Cp932ToUtf16(Sjis(utf8Rows))); }

PublicPostalConversion Converted(std::string_view bytes, PublicPostalKind kind = PublicPostalKind::Address) {
  return ConvertPublicPostalFile(bytes, kind, nullptr);
}

const std::string kCatchAll = PublicAddressLine("1000000", "東京都", "千代田区", "以下に掲載がない場合");
const std::string kBracketed = PublicAddressLine("1000005", "東京都", "千代田区", "丸の内（次のビルを除く）");
const std::string kContinued = PublicAddressLine("0482331", "北海道", "余市郡仁木町", "大江（２丁目６５１番地、") +
                               PublicAddressLine("0482331", "北海道", "余市郡仁木町", "６６２番地、") +
                               PublicAddressLine("0482331", "北海道", "余市郡仁木町", "６６８番地）");
const std::string kTilde = PublicAddressLine("0010010", "北海道", "札幌市北区", "北十条西（１～４丁目）");

TEST(PublicPostalFileTest, AddressRowsInBothPublishedFormsGiveTheSiblingsRows) {
  const std::string expected = SiblingBytes(
      "\"1000000\",\"東京都\",\"千代田区\",\"以下に掲載がない場合\"\r\n"
      "\"1000005\",\"東京都\",\"千代田区\",\"丸の内（次のビルを除く）\"\r\n"
      "\"0482331\",\"北海道\",\"余市郡仁木町\",\"大江（２丁目６５１番地、６６２番地、６６８番地）\"\r\n"
      "\"0010010\",\"北海道\",\"札幌市北区\",\"北十条西（１～４丁目）\"\r\n");
  const std::string utf8 = kCatchAll + kBracketed + kContinued + kTilde;
  struct Form {
    const char* what;
    std::string bytes;
  };
  const Form forms[] = {
      {"Shift-JIS, continued rows", Sjis(utf8)},
      {"UTF-8, continued rows", utf8},
      {"UTF-8 with a byte-order mark, LF only", "\xEF\xBB\xBF" + std::string(utf8).erase(utf8.find('\r'), 1)},
      // The JIS form of the wave dash comes out in CP932's form, as in the sibling's files.
      {"UTF-8 with a JIS wave dash", kCatchAll + kBracketed + kContinued +
                                         PublicAddressLine("0010010", "北海道", "札幌市北区", "北十条西（１\u301C４丁目）")},
      {"blank lines and an end-of-file mark", Sjis(kCatchAll + "\r\n" + kBracketed + kContinued + kTilde) + "\x1A"},
  };
  for (const Form& form : forms) {
    const PublicPostalConversion conversion = Converted(form.bytes);
    EXPECT_TRUE(conversion.ok()) << form.what;
    EXPECT_EQ(conversion.rows, 4u) << form.what;
    EXPECT_EQ(conversion.wideBytes, expected) << form.what;
  }
}

TEST(PublicPostalFileTest, OnlyAnOpenBracketOfTheSameCodeJoinsLines) {
  const std::string utf8 = PublicAddressLine("0010010", "北海道", "札幌市北区", "北十条西（１～") +
                           PublicAddressLine("0010011", "北海道", "札幌市北区", "北十一条西") +
                           PublicAddressLine("0010011", "北海道", "札幌市北区", "北十一条西") +
                           PublicAddressLine("0010012", "北海道", "札幌市北区", "（甲）乙（");
  EXPECT_EQ(Converted(Sjis(utf8)).wideBytes,
            SiblingBytes("\"0010010\",\"北海道\",\"札幌市北区\",\"北十条西（１～\"\r\n"
                         "\"0010011\",\"北海道\",\"札幌市北区\",\"北十一条西\"\r\n"
                         "\"0010011\",\"北海道\",\"札幌市北区\",\"北十一条西\"\r\n"
                         "\"0010012\",\"北海道\",\"札幌市北区\",\"（甲）乙（\"\r\n"));
}

TEST(PublicPostalFileTest, BusinessRowsTakeTheirFieldsInTheSiblingsOrder) {
  const std::string utf8 =
      PublicBusinessLine("1008799", "株式会社　\"表\"商事", "東京都", "千代田区", "大手町", "１丁目３－２") +
      PublicBusinessLine("0610592", "月形町役場", "北海道", "樺戸郡月形町", "", "１２１９番地（月形郵便局私書箱第２号）");
  const PublicPostalConversion conversion = Converted(Sjis(utf8), PublicPostalKind::Business);
  EXPECT_EQ(conversion.rows, 2u);
  EXPECT_EQ(conversion.wideBytes,
            SiblingBytes("\"1008799\",\"株式会社　\"\"表\"\"商事\",\"東京都\",\"千代田区\",\"大手町\",\"１丁目３－２\"\r\n"
                         "\"0610592\",\"月形町役場\",\"北海道\",\"樺戸郡月形町\",\"\",\"１２１９番地（月形郵便局私書箱第２号）\"\r\n"));
}

TEST(PublicPostalFileTest, DamagedOrForeignFilesAreRefusedAtTheirLine) {
  const std::string business = PublicBusinessLine("1008799", "表商事", "東京都", "千代田区", "大手町", "１－３");
  std::string undecodable = Sjis(kBracketed);
  undecodable.replace(undecodable.find(Sjis("丸")), 2, "\x85\x40");  // a code no character has
  struct Case {
    const char* what;
    std::string bytes;
    PublicPostalKind kind;
    PublicPostalFault fault;
    size_t line;
  };
  const Case cases[] = {
      {"business file given as the address file", Sjis(business), PublicPostalKind::Address,
       PublicPostalFault::NotPostalRow, 1},
      {"address file given as the business file", Sjis(kCatchAll), PublicPostalKind::Business,
       PublicPostalFault::NotPostalRow, 1},
      {"a short code", Sjis(kCatchAll + kBracketed + PublicAddressLine("100001", "東京都", "千代田区", "丸の内")),
       PublicPostalKind::Address, PublicPostalFault::NotPostalRow, 3},
      {"a cut-off line", Sjis(kCatchAll + "\"13101\",\"100  \",\"1000005\",\"ﾄｳｷｮｳﾄ\"\r\n"), PublicPostalKind::Address,
       PublicPostalFault::NotPostalRow, 2},
      {"no prefecture where the layout has it", Sjis(PublicAddressLine("1000005", "", "千代田区", "丸の内")),
       PublicPostalKind::Address, PublicPostalFault::NotPostalRow, 1},
      {"not the postal list at all", "name,address\r\nfoo,bar\r\n", PublicPostalKind::Address,
       PublicPostalFault::NotPostalRow, 1},
      // A UTF-8 file with one broken byte is taken for Shift-JIS, which it is not either.
      {"UTF-8 with a broken byte", kCatchAll + "\xFF" + kBracketed, PublicPostalKind::Address,
       PublicPostalFault::Unreadable, 1},
      {"undecodable Shift-JIS", Sjis(kCatchAll) + undecodable, PublicPostalKind::Address,
       PublicPostalFault::Unreadable, 2},
      {"UTF-8 beyond CP932", kCatchAll + kBracketed + PublicAddressLine("1000006", "東京都", "千代田区", "𠮷町"),
       PublicPostalKind::Address, PublicPostalFault::Unreadable, 3},
      // The line ends at a NUL or a bare CR: the reader does not stay there adding empty fields.
      {"a bare CR inside a line", "a\rb\r\n", PublicPostalKind::Address, PublicPostalFault::NotPostalRow, 1},
      {"a NUL inside a line", std::string("\"1000005\"\0,x\r\n", 14), PublicPostalKind::Address,
       PublicPostalFault::NotPostalRow, 1},
      {"empty file", "", PublicPostalKind::Address, PublicPostalFault::NoRows, 0},
      {"blank lines only", "\r\n\r\n", PublicPostalKind::Business, PublicPostalFault::NoRows, 0},
  };
  for (const Case& c : cases) {
    const PublicPostalConversion conversion = Converted(c.bytes, c.kind);
    EXPECT_EQ(conversion.fault, c.fault) << c.what;
    EXPECT_EQ(conversion.faultLine, c.line) << c.what;
    EXPECT_TRUE(conversion.wideBytes.empty()) << c.what;
  }
}

}  // namespace
}  // namespace mirelon::test
