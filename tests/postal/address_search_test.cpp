// The searches from a typed address or company to postal codes, on both engines.
#include <gtest/gtest.h>

#include "postal_test_support.h"

namespace mirelon {
namespace {

using test::Row;

const std::vector<Row> kAddressRows = {
    {"1000013", "東京都", "千代田区", "霞ケ関"},
    {"1050000", "東京都", "港区", "以下に掲載がない場合"},
    {"1050011", "東京都", "港区", "芝公園"},
    {"1050012", "東京都", "港区", "芝大門"},
    {"1050014", "東京都", "港区", "芝（１～３丁目）"},
    {"1050022", "東京都", "港区", "海岸（１丁目、２丁目）"},
    {"1080014", "東京都", "港区", "芝（４丁目、５丁目）"},
    {"1520035", "東京都", "目黒区", "自由ヶ丘"},
    {"2310023", "神奈川県", "横浜市中区", "山下町"},
    {"6008216", "京都府", "京都市下京区", "東塩小路町"},
    {"1000301", "東京都", "利島村", "利島村一円"},  // the whole village has one code
};
const std::vector<Row> kBusinessRows = {
    {"1008111", "株式会社Ａ商事", "東京都", "千代田区", "丸の内", "１丁目１－１"},
    {"1008111", "株式会社Ａ商事", "東京都", "千代田区", "丸の内", "１丁目１－１"},
    {"5308111", "Ａ商事　株式会社、大阪支店", "大阪府", "大阪市北区", "梅田", "１丁目"},
    {"5308222", "Ｂ物産", "大阪府", "大阪市北区", "梅田", "２丁目"},
};

template <class E>
class AddressSearchTest : public test::PostalEngineTest<E> {
 protected:
  void SetUp() override {
    this->WriteAddresses(kAddressRows);
    this->WriteBusinesses(kBusinessRows);
  }
  std::vector<std::string> Codes() const {
    std::vector<std::string> codes;
    for (const PostalRow& row : this->dialogs.requests.at(this->dialogs.requests.size() - 1).rows) {
      codes.push_back(row.code);
    }
    return codes;
  }
};
TYPED_TEST_SUITE(AddressSearchTest, test::BothEngines, test::EngineNames);

TYPED_TEST(AddressSearchTest, LongestMatchingTownAreaDropsTheCatchAllRow) {
  this->Lookup("", "東京都港区芝公園４丁目");
  EXPECT_EQ(this->dialogs.requests[0].kind, PostalDialogKind::CodeResult);
  EXPECT_EQ(this->Codes(), std::vector<std::string>{"1050011"});
  EXPECT_EQ(this->dialogs.Lines(), std::vector<std::string>{"1050011 東京都港区芝公園"});
}

TYPED_TEST(AddressSearchTest, ShortAddressOffersEveryRowItBeginsWithTheCatchAllRowToo) {
  this->Lookup("", "港区芝");
  EXPECT_EQ(this->dialogs.requests[0].kind, PostalDialogKind::CodeChoice);
  EXPECT_EQ(this->Codes(), (std::vector<std::string>{"1050000", "1050011", "1050012", "1050014", "1080014"}));
  EXPECT_EQ(test::U8(this->dialogs.requests[0].rows[3].townArea), "芝（１～３丁目）");
}

TYPED_TEST(AddressSearchTest, ThirtyCandidatesAreTooMany) {
  std::vector<std::string> areas;
  std::vector<Row> rows = {{"1050000", "東京都", "港区", "以下に掲載がない場合"}};
  for (int i = 1; i <= 29; ++i) areas.push_back("芝ビル" + std::to_string(i) + "階");
  for (const std::string& area : areas) rows.push_back({"1056000", "東京都", "港区", area});
  this->WriteAddresses(rows);
  this->Lookup("", "港区芝");
  EXPECT_EQ(this->Messages(), std::vector<std::string>{"該当する郵便番号の候補が30以上あります"});
  EXPECT_TRUE(this->dialogs.requests.empty());

  rows.pop_back();  // 29 candidates are still offered
  this->WriteAddresses(rows);
  this->Lookup("", "港区芝");
  EXPECT_EQ(this->dialogs.requests.at(0).rows.size(), 29u);
}

TYPED_TEST(AddressSearchTest, SearchStopsAtTheThirtiethCandidateEvenIfALaterRowWouldDropThem) {
  // Thirty rows start with the lead 「港区芝公園ＡＢ」; the last row is a longer prefix of the typed
  // address and would replace them all, but reading has stopped before it.
  const std::string_view suffixes = "アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホ";
  std::vector<std::string> areas;
  for (size_t i = 0; i < 30; ++i) areas.push_back("芝公園ＡＢ" + std::string(suffixes.substr(3 * i, 3)));
  std::vector<Row> rows;
  for (const std::string& area : areas) rows.push_back({"1056000", "東京都", "港区", area});
  rows.push_back({"1050011", "東京都", "港区", "芝公園ＡＢ１２"});
  this->WriteAddresses(rows);
  this->Lookup("", "港区芝公園ＡＢ１２３");
  EXPECT_EQ(this->Messages(), std::vector<std::string>{"該当する郵便番号の候補が30以上あります"});

  rows.erase(rows.begin());
  this->WriteAddresses(rows);
  this->prompt.shown.clear();
  this->Lookup("", "港区芝公園ＡＢ１２３");
  EXPECT_TRUE(this->Messages().empty());
  EXPECT_EQ(this->Codes(), std::vector<std::string>{"1050011"});
}

TYPED_TEST(AddressSearchTest, VagueAddressesAreRefusedBeforeReading) {
  std::filesystem::remove(this->AddressFile());  // no open-failure message: nothing is read
  this->Lookup("", "東京都港区");
  this->Lookup("", "港区１－２");   // the lead 港区 is two characters
  this->Lookup("", "", "株式会社");  // company words only: the address search runs on nothing
  EXPECT_EQ(this->Messages(), std::vector<std::string>(3, "住所が曖昧で郵便番号を絞り込めません"));
}

TYPED_TEST(AddressSearchTest, RowWhoseCityBeginsOtherwiseIsNeverACandidate) {
  // City 「港」 with town area 「区芝公園…」 spells the typed text, but its city's first two
  // characters are not those of the address: neither the prefix nor the lead may take it.
  this->WriteAddresses({{"1059998", "東京都", "港", "区芝公園"},
                        {"1059999", "東京都", "港", "区芝公園ビル"},
                        {"1050011", "東京都", "港区", "芝公園"}});
  this->Lookup("", "港区芝公園１");
  EXPECT_EQ(this->Codes(), std::vector<std::string>{"1050011"});
}

TYPED_TEST(AddressSearchTest, TypedPrefectureFiltersRows) {
  this->Lookup("", "神奈川県横浜市中区山下町１２３");
  EXPECT_EQ(this->Codes(), std::vector<std::string>{"2310023"});
  this->Lookup("", "横浜市中区山下町");
  EXPECT_EQ(this->Codes(), std::vector<std::string>{"2310023"});
  this->Lookup("", "東京都横浜市中区山下町");
  EXPECT_EQ(this->Messages(), std::vector<std::string>{"住所に該当する郵便番号が見付かりません"});
  this->prompt.shown.clear();
  this->Lookup("", "京都府京都市下京区東塩小路町");  // 東京都 is tried first but does not begin it
  EXPECT_EQ(this->Codes(), std::vector<std::string>{"6008216"});
}

TYPED_TEST(AddressSearchTest, WholeVillageRowIsFoundByTheVillageNameOrItsLead) {
  // The row text repeats the village (利島村利島村一円): a bare village name is its prefix, and an
  // address with a block number reaches it through the lead.
  for (const std::string_view typed : {"東京都利島村", "利島村２４８"}) {
    this->Lookup("", typed);
    EXPECT_EQ(this->Codes(), std::vector<std::string>{"1000301"}) << typed;
  }
  EXPECT_TRUE(this->Messages().empty());
}

TYPED_TEST(AddressSearchTest, KanaSpellingsMeet) {
  this->Lookup("", "目黒区自由が丘１");
  EXPECT_EQ(this->Codes(), std::vector<std::string>{"1520035"});
  this->Lookup("", "千代田区霞が関３－２");
  EXPECT_EQ(this->Codes(), std::vector<std::string>{"1000013"});
  EXPECT_TRUE(this->Messages().empty());
}

TYPED_TEST(AddressSearchTest, OkGivesTheCodeAsShownAndTheAddressOnRequest) {
  this->dialogs.userOptions = LookupOptions{.kenmeiNashi = true, .bangoHyphen = true, .bangoZenkaku = true};
  auto& plain = this->Lookup("", "東京都港区芝公園４丁目");
  EXPECT_EQ(test::U8(plain.codeResult()), "１０５－００１１");
  EXPECT_TRUE(plain.addressResult().empty());
  EXPECT_EQ(plain.options(), *this->dialogs.userOptions);

  this->dialogs.rewriteAddress = true;
  auto& rewritten = this->Lookup("", "東京都港区芝公園４丁目");
  EXPECT_EQ(test::U8(rewritten.addressResult()), "港区芝公園");
}

TYPED_TEST(AddressSearchTest, CompanyWithoutAddressFindsItsBusinessesAnywhere) {
  this->dialogs.choice = 1;
  this->dialogs.rewriteAddress = true;
  auto& engine = this->Lookup("", "", "a商事");
  EXPECT_EQ(this->dialogs.requests[0].kind, PostalDialogKind::BusinessCodeChoice);
  EXPECT_EQ(this->Codes(), (std::vector<std::string>{"1008111", "1008111", "5308111"}));
  EXPECT_EQ(test::U8(this->dialogs.requests[0].typedCompany), "ａ商事");
  EXPECT_EQ(engine.codeResult(), "1008111");
  EXPECT_EQ(test::U8(engine.companyResult()), "株式会社Ａ商事");
  EXPECT_EQ(test::U8(engine.addressResult()), "東京都千代田区丸の内１丁目１－１");
}

TYPED_TEST(AddressSearchTest, CompanyAndAddressNarrowToOneBusinessListedTwice) {
  this->Lookup("", "東京都千代田区丸の内１－１", "株式会社　Ａ商事");
  EXPECT_EQ(this->dialogs.requests[0].kind, PostalDialogKind::BusinessCodeResult);
  EXPECT_EQ(this->dialogs.Lines(),
            std::vector<std::string>{"1008111 東京都千代田区丸の内１丁目１－１　株式会社Ａ商事"});
  EXPECT_EQ(test::U8(this->dialogs.requests[0].typedAddress), "東京都千代田区丸の内１－１");

  auto& engine = this->Lookup("", "大阪府", "Ａ商事大阪");  // OK without rewriting gives only the code
  EXPECT_EQ(engine.codeResult(), "5308111");
  EXPECT_TRUE(engine.companyResult().empty() && engine.addressResult().empty());
}

TYPED_TEST(AddressSearchTest, CompanySearchThatFoundSomethingEndsTheLookup) {
  this->dialogs.answerOk = false;  // cancelled: the address search does not follow
  auto& cancelled = this->Lookup("", "大阪市北区梅田２－１", "Ｂ物産");
  ASSERT_EQ(this->dialogs.requests.size(), 1u);
  EXPECT_EQ(this->dialogs.requests[0].kind, PostalDialogKind::BusinessCodeResult);
  EXPECT_TRUE(cancelled.codeResult().empty());
  EXPECT_TRUE(this->Messages().empty());

  std::vector<Row> rows;
  for (int i = 0; i < 30; ++i) rows.push_back({"5308222", "Ｂ物産", "大阪府", "大阪市北区", "梅田", "２丁目"});
  this->WriteBusinesses(rows);
  this->dialogs.requests.clear();
  this->Lookup("", "大阪市北区梅田２－１", "Ｂ物産");
  EXPECT_EQ(this->Messages(), std::vector<std::string>{"該当する郵便番号の候補が30以上あります"});
  EXPECT_TRUE(this->dialogs.requests.empty());
}

TYPED_TEST(AddressSearchTest, UnknownCompanyFallsBackToTheAddress) {
  this->Lookup("", "港区芝公園４丁目", "Ｃ工業");
  EXPECT_EQ(this->dialogs.requests[0].kind, PostalDialogKind::CodeResult);
  this->Lookup("", "", "Ｃ工業");
  EXPECT_EQ(this->Messages(), std::vector<std::string>{"住所が曖昧で郵便番号を絞り込めません"});
}

}  // namespace
}  // namespace mirelon
