// Real rows of the national postal data, as kept in tests/data/postal.
#include <gtest/gtest.h>

#include "postal_test_support.h"

namespace mirelon {
namespace {

std::filesystem::path DataFile(const std::filesystem::path& folder, bool unicode) {
  return unicode ? folder / "utf16" / kWideAddressFileName : folder / "sjis" / kSjisAddressFileName;
}

template <class E>
class ExcerptTest : public ::testing::Test {
 protected:
  PostalSearch& Lookup(std::string_view code, std::string_view address, std::string_view company = "") {
    dialogs.requests.clear();
    engine = std::make_unique<BasicPostalLookup<E>>(prompt, &dialogs, LookupOptions{});
    engine->Lookup(Sjis(code), Sjis(address), Sjis(company), DataFile(MIRELON_TEST_DATA "/postal", E::kUnicode));
    return *engine;
  }
  std::vector<std::string> Codes() const {
    std::vector<std::string> codes;
    for (const PostalRow& row : dialogs.requests.at(0).rows) codes.push_back(row.code);
    return codes;
  }

  test::RecordingPrompt prompt;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<PostalSearch> engine;
};
TYPED_TEST_SUITE(ExcerptTest, test::BothEngines, test::EngineNames);

TYPED_TEST(ExcerptTest, WaveDashAndHyphenOfTheDataSurviveIntoTheResults) {
  this->dialogs.rewriteAddress = true;
  this->Lookup("1050014", "");
  EXPECT_EQ(this->dialogs.Lines(), std::vector<std::string>{"東京都港区芝（１～３丁目）"});
  EXPECT_EQ(this->dialogs.requests.at(0).rows.at(0).townArea, Sjis("芝（１～３丁目）"));
  const PostalSearch& business = this->Lookup("0038502", "");
  EXPECT_EQ(test::U8(business.addressResult()), "北海道札幌市白石区流通センター１丁目３－４５");
  EXPECT_EQ(test::U8(business.companyResult()), "大丸　株式会社");
}

TYPED_TEST(ExcerptTest, AddressSearchesOnRealRows) {
  this->Lookup("", "東京都港区芝公園４－１０－２");
  EXPECT_EQ(this->Codes(), std::vector<std::string>{"1050011"});
  this->Lookup("", "港区芝");
  EXPECT_EQ(this->Codes(),
            (std::vector<std::string>{"1050000", "1050011", "1050012", "1050014", "1050023", "1080014", "1080023"}));
  this->Lookup("", "東京都港区芝浦３－１");
  EXPECT_EQ(this->Codes(), (std::vector<std::string>{"1050023", "1080023"}));
  EXPECT_TRUE(this->prompt.shown.empty());
}

TYPED_TEST(ExcerptTest, CodeOfSixtySixRowsOffersThemAllInFileOrder) {
  this->Lookup("452-0961", "");
  const PostalDialogRequest& request = this->dialogs.requests.at(0);
  EXPECT_EQ(request.kind, PostalDialogKind::AddressChoice);
  ASSERT_EQ(request.rows.size(), 66u);
  EXPECT_EQ(test::U8(request.rows.front().townArea), "春日明河原");
  EXPECT_EQ(test::U8(request.rows[29].townArea), "春日新堀");
  EXPECT_EQ(test::U8(request.rows.back().townArea), "春日蓮花寺前");
}

TYPED_TEST(ExcerptTest, CompanySearchesOnRealBusinessNames) {
  // Company-form words on either side: every business of the building whose name begins 古河.
  this->Lookup("", "千代田区大手町２－６－４", "株式会社古河");
  EXPECT_EQ(this->Codes(), std::vector<std::string>(10, "1008370"));
  this->Lookup("", "北海道", "丸善雄松堂札幌");
  EXPECT_EQ(this->dialogs.requests.at(0).kind, PostalDialogKind::BusinessCodeResult);
  EXPECT_EQ(this->Codes(), std::vector<std::string>{"0048502"});
  EXPECT_TRUE(this->prompt.shown.empty());
}

}  // namespace
}  // namespace mirelon
