// mirelon-tool's lookup, check and postal-import commands, run in-process on the excerpt data.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/utf8_path.h"
#include "public_postal_support.h"
#include "support/temp_folder.h"
#include "text/cp932.h"
#include "tool/tool_commands.h"

namespace mirelon {
namespace {

const std::filesystem::path kExcerpt = std::filesystem::path(MIRELON_TEST_DATA) / "postal";
const std::string kSjisData = PathToUtf8(kExcerpt / "sjis" / "QUELTAJUSHO.CSV");
const std::string kWideData = PathToUtf8(kExcerpt / "utf16" / "QUELTAUNIJUSHO.CSV");

struct Result {
  int status;
  std::string output;
  std::string errors;
};

class PostalToolTest : public ::testing::Test {
 protected:
  Result Run(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = tool::RunTool(args, out, err);
    return {status, out.str(), err.str()};
  }

  test::TempFolder folder;
};

TEST_F(PostalToolTest, LookupPrintsTheDialogAndItsLines) {
  Result code = Run({"lookup", kSjisData, "--code", "105-0014"});
  EXPECT_EQ(code.status, 0);
  EXPECT_EQ(code.output, "AddressResultDialog\n東京都港区芝（１～３丁目）\n");

  Result address = Run({"lookup", kWideData, "--address", "東京都港区芝浦3-1", "--company", "株式会社"});
  EXPECT_EQ(address.status, 0);
  EXPECT_EQ(address.output, "CodeChoiceDialog\n1050023 東京都港区芝浦（１丁目）\n1080023 東京都港区芝浦（２～４丁目）\n");

  Result business = Run({"--sjis", "lookup", kWideData, "--company", "大丸"});
  EXPECT_EQ(business.output, Sjis("BusinessCodeChoiceDialog\n"
                                  "0038502 北海道札幌市白石区流通センター１丁目３－４５　大丸　株式会社\n"
                                  "0038504 北海道札幌市白石区菊水三条１丁目８－２０　大丸　株式会社\n"));
}

TEST_F(PostalToolTest, LookupMessagesGoToStandardErrorAndFail) {
  Result vague = Run({"lookup", kSjisData, "--address", "港区"});
  EXPECT_EQ(vague.status, 1);
  EXPECT_EQ(vague.output, "");
  EXPECT_EQ(vague.errors, "住所が曖昧で郵便番号を絞り込めません\n");
  EXPECT_EQ(Run({"lookup", kWideData, "--code", "9999999"}).errors, "郵便番号に該当する住所が見付かりません\n");
  EXPECT_EQ(Run({"lookup", kSjisData, "--code"}).status, 2);
  EXPECT_EQ(Run({"lookup", kSjisData, "--address", "𠮷"}).status, 2);
}

TEST_F(PostalToolTest, CheckPrintsTheRecordsToCheck) {
  const auto book = folder / "book.csv";
  test::WriteBytes(book, Sjis("あおき,105-0011,東京都港区芝公園４－１,,,,,青木一郎\r\n"
                              "いとう,105-0012,港区芝公園,,,,,伊藤能\r\n"
                              "うえだ,,港区,,,,,上田\r\n"));
  Result check = Run({"check", PathToUtf8(book), kWideData});
  EXPECT_EQ(check.status, 0);
  EXPECT_EQ(check.output, "  2  いとう                伊藤能\n  3  うえだ                上田\n");

  test::WriteBytes(book, Sjis("あおき,105-0011,東京都港区芝公園４－１,,,,,青木一郎\r\n"));
  EXPECT_EQ(Run({"check", PathToUtf8(book), kSjisData}).output, "　　　　該当するデータはありません\n");
  Result missing = Run({"check", PathToUtf8(book), PathToUtf8(folder / "QUELTAJUSHO.CSV")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.errors, PathToUtf8(folder / "QUELTAJUSHO.CSV") + "\nファイルのオープンに失敗しました\n");
}

TEST_F(PostalToolTest, PostalImportGivesDataTheLookupFinds) {
  const auto address = folder / "KEN_ALL.CSV";
  const auto business = folder / "JIGYOSYO.CSV";
  test::WriteBytes(address, Sjis(test::PublicAddressLine("1050011", "東京都", "港区", "芝公園（") +
                                 test::PublicAddressLine("1050011", "東京都", "港区", "１丁目）")));
  test::WriteBytes(business, Sjis(test::PublicBusinessLine("1058799", "表商事", "東京都", "港区", "芝公園", "１－１")));
  const auto data = folder / "data";
  Result import = Run({"postal-import", PathToUtf8(address), PathToUtf8(business), "--to", PathToUtf8(data)});
  EXPECT_EQ(import.status, 0);
  // One progress line, overwritten file by file, and the summary on a line of its own.
  EXPECT_EQ(import.errors, "\rKEN_ALL.CSV: 2 行\rJIGYOSYO.CSV: 1 行\n住所 1 件、事業所 1 件の郵便番号データを " +
                               PathToUtf8(data) + " に書き込みました\n");
  const std::string imported = PathToUtf8(data / "QUELTAUNIJUSHO.CSV");
  EXPECT_EQ(Run({"lookup", imported, "--code", "1050011"}).output, "AddressResultDialog\n東京都港区芝公園（１丁目）\n");
  EXPECT_EQ(Run({"lookup", imported, "--company", "表商事"}).output, "BusinessCodeResultDialog\n1058799 東京都港区芝公園１－１　表商事\n");
}

TEST_F(PostalToolTest, PostalImportRefusesAndWritesNothing) {
  const auto data = folder / "data";
  const auto wrong = folder / "KEN_ALL.CSV";
  test::WriteBytes(wrong, "a,b,c\r\n");
  Result refused = Run({"postal-import", PathToUtf8(wrong), "--to", PathToUtf8(data)});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.errors, PathToUtf8(wrong) + "\n1 行目が住所の郵便番号データ (KEN_ALL.CSV) の形式ではありません\n"
                                             "郵便番号データは書き込みませんでした\n");
  EXPECT_FALSE(std::filesystem::exists(data));
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"postal-import"}, {"postal-import", "a", "b", "c"}, {"postal-import", "a", "--to"}}) {
    EXPECT_EQ(Run(args).status, 2) << args.size();
  }
}

}  // namespace
}  // namespace mirelon
