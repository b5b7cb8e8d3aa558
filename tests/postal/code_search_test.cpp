// The lookup's entry and the searches from a postal code, on both engines.
#include <gtest/gtest.h>

#include "postal_test_support.h"

namespace mirelon {
namespace {

using test::Row;

const std::vector<Row> kAddressRows = {
    {"1050000", "東京都", "港区", "以下に掲載がない場合"},
    {"1050011", "東京都", "港区", "芝公園"},
    {"1050014", "東京都", "港区", "芝（１～３丁目）"},
    {"4520961", "愛知県", "清須市", "春日"},
    {"4520961", "愛知県", "清須市", "春日中沖"},
};
const std::vector<Row> kBusinessRows = {
    {"1008111", "株式会社ソラノ表能", "東京都", "千代田区", "丸の内", "１丁目１－１"},
    {"1008111", "株式会社ソラノ表能", "東京都", "千代田区", "丸の内", "１丁目１－１"},
};

template <class E>
class CodeSearchTest : public test::PostalEngineTest<E> {
 protected:
  void SetUp() override {
    this->WriteAddresses(kAddressRows);
    this->WriteBusinesses(kBusinessRows);
  }
};
TYPED_TEST_SUITE(CodeSearchTest, test::BothEngines, test::EngineNames);

TYPED_TEST(CodeSearchTest, TypedCodeOfAnyWidthFindsItsAddress) {
  this->Lookup("〒１０５－００１１", "港区芝公園４－１", "会社");
  ASSERT_EQ(this->dialogs.requests.size(), 1u);
  const PostalDialogRequest& request = this->dialogs.requests[0];
  EXPECT_EQ(request.kind, PostalDialogKind::AddressResult);
  EXPECT_EQ(this->dialogs.Lines(), std::vector<std::string>{"東京都港区芝公園"});
  EXPECT_EQ(test::U8(request.typedAddress), "港区芝公園４－１");
  EXPECT_FALSE(this->dialogs.busyDuringDialog);
  EXPECT_TRUE(this->Messages().empty());
}

TYPED_TEST(CodeSearchTest, CatchAllRowHasNoTownAreaAndQualifiersAreNoPartOfTheAddress) {
  this->Lookup("105-0000", "");
  EXPECT_EQ(this->dialogs.Lines(), std::vector<std::string>{"東京都港区"});
  // The list tells the rows apart by the qualifier; the address written leaves it out.
  auto& engine = this->Lookup("1050014", "");
  EXPECT_EQ(this->dialogs.Lines(), std::vector<std::string>{"東京都港区芝（１～３丁目）"});
  EXPECT_EQ(test::U8(engine.addressResult()), "東京都港区芝");
}

TYPED_TEST(CodeSearchTest, SeveralRowsOfOneCodeOfferAChoice) {
  this->dialogs.choice = 1;
  auto& engine = this->Lookup("4520961", "");
  EXPECT_EQ(this->dialogs.requests[0].kind, PostalDialogKind::AddressChoice);
  EXPECT_EQ(this->dialogs.Lines(), (std::vector<std::string>{"愛知県清須市春日", "愛知県清須市春日中沖"}));
  EXPECT_EQ(test::U8(engine.addressResult()), "愛知県清須市春日中沖");
  EXPECT_TRUE(engine.codeResult().empty());
}

TYPED_TEST(CodeSearchTest, EveryRowOfTheCodeIsOffered) {
  std::vector<std::string> towns;  // the rows' fields are views: the texts must outlive them
  for (int i = 0; i < 35; ++i) towns.push_back("町" + std::to_string(i));
  std::vector<Row> rows;
  for (const std::string& town : towns) rows.push_back({"4520961", "愛知県", "清須市", town});
  this->WriteAddresses(rows);
  this->Lookup("4520961", "");
  ASSERT_EQ(this->dialogs.requests[0].rows.size(), 35u);
  EXPECT_EQ(test::U8(this->dialogs.requests[0].rows[34].townArea), "町34");
}

TYPED_TEST(CodeSearchTest, OkTakesTheOfferedAddressAndTheOptions) {
  this->options = {.kenmeiNashi = false, .bangoHyphen = true, .bangoZenkaku = false};
  this->dialogs.userOptions = LookupOptions{.kenmeiNashi = true, .bangoHyphen = true, .bangoZenkaku = true};
  auto& engine = this->Lookup("1050011", "");
  EXPECT_EQ(test::U8(engine.addressResult()), "港区芝公園");
  EXPECT_TRUE(this->dialogs.requests[0].options.bangoHyphen);
  // An address dialog stores only the prefecture option; the code's form is not its to change.
  EXPECT_EQ(engine.options(), (LookupOptions{.kenmeiNashi = true, .bangoHyphen = true, .bangoZenkaku = false}));
}

TYPED_TEST(CodeSearchTest, CancelTakesNothingAndKeepsTheOptions) {
  this->dialogs.answerOk = false;
  this->dialogs.userOptions = LookupOptions{.kenmeiNashi = true};
  auto& engine = this->Lookup("1050011", "");
  EXPECT_EQ(this->dialogs.requests.size(), 1u);
  EXPECT_TRUE(engine.addressResult().empty());
  EXPECT_EQ(engine.options(), LookupOptions{});
  EXPECT_TRUE(this->Messages().empty());  // cancelled still counts as found
}

TYPED_TEST(CodeSearchTest, CodeOnlyInTheBusinessFileShowsTheBusiness) {
  this->dialogs.choice = 0;
  auto& engine = this->Lookup("100-8111", "", "ソラノ");
  ASSERT_EQ(this->dialogs.requests.size(), 1u);
  const PostalDialogRequest& request = this->dialogs.requests[0];
  EXPECT_EQ(request.kind, PostalDialogKind::BusinessAddressResult);  // the pair listed twice is one row
  EXPECT_EQ(this->dialogs.Lines(), std::vector<std::string>{"東京都千代田区丸の内１丁目１－１　株式会社ソラノ表能"});
  EXPECT_EQ(test::U8(request.typedCompany), "ソラノ");
  EXPECT_EQ(test::U8(engine.companyResult()), "株式会社ソラノ表能");
  EXPECT_EQ(test::U8(engine.addressResult()), "東京都千代田区丸の内１丁目１－１");
  EXPECT_TRUE(this->Messages().empty());
}

TYPED_TEST(CodeSearchTest, OnlyAPairOfEqualBusinessRowsCountsAsOne) {
  const Row row = {"1008111", "Ａ商事", "東京都", "千代田区", "丸の内", "１丁目１－１"};
  const Row otherFloor = {"1008111", "Ａ商事", "東京都", "千代田区", "丸の内", "１丁目１－１　２階"};
  this->WriteBusinesses({row, row, row});  // listed three times: not the pair the rule is for
  this->Lookup("1008111", "");
  EXPECT_EQ(this->dialogs.requests.back().kind, PostalDialogKind::BusinessAddressChoice);
  EXPECT_EQ(this->dialogs.requests.back().rows.size(), 3u);
  this->WriteBusinesses({row, otherFloor});
  this->Lookup("1008111", "");
  EXPECT_EQ(this->dialogs.requests.back().kind, PostalDialogKind::BusinessAddressChoice);
  EXPECT_EQ(this->dialogs.Lines(), (std::vector<std::string>{"東京都千代田区丸の内１丁目１－１　Ａ商事",
                                                             "東京都千代田区丸の内１丁目１－１　２階　Ａ商事"}));
}

TYPED_TEST(CodeSearchTest, CodeInNeitherFileIsReportedOnce) {
  this->Lookup("9999999", "港区芝公園");
  EXPECT_TRUE(this->dialogs.requests.empty());
  EXPECT_EQ(this->Messages(), std::vector<std::string>{"郵便番号に該当する住所が見付かりません"});
}

TYPED_TEST(CodeSearchTest, WhatWasTypedDecidesTheMessageWhenNothingCanBeSearched) {
  this->Lookup("105-001", "");
  this->Lookup("", "");
  this->Lookup("", " 　\t", "");
  EXPECT_EQ(this->Messages(), (std::vector<std::string>{"郵便番号が正しくありません",
                                                        "郵便番号または住所のいずれかを入力してください",
                                                        "郵便番号または住所のいずれかを入力してください"}));
  EXPECT_TRUE(this->dialogs.requests.empty());
}

TYPED_TEST(CodeSearchTest, AnInvalidCodeWithAnAddressSearchesTheAddress) {
  this->Lookup("105-001", "東京都港区芝公園");
  EXPECT_TRUE(this->Messages().empty());
  ASSERT_EQ(this->dialogs.requests.size(), 1u);
  EXPECT_EQ(this->dialogs.requests[0].kind, PostalDialogKind::CodeResult);
}

TYPED_TEST(CodeSearchTest, MissingFilesAreReportedAndBusinessSearchesSkipped) {
  std::filesystem::remove(this->BusinessFile());
  this->Lookup("1008111", "");
  EXPECT_EQ(this->Messages(), std::vector<std::string>{"郵便番号に該当する住所が見付かりません"});
  EXPECT_TRUE(this->engine->businessFilePath().empty());

  std::filesystem::remove(this->AddressFile());
  this->prompt.shown.clear();
  this->Lookup("1050011", "");
  const std::string path = this->AddressFile().string();
  EXPECT_EQ(this->Messages(), (std::vector<std::string>{path + "\r\nファイルのオープンに失敗しました",
                                                        "郵便番号に該当する住所が見付かりません"}));
}

TEST(WideCodeSearchTest, FirstRowBehindAByteOrderMarkIsFound) {
  test::TempFolder folder;
  const auto file = folder / kWideAddressFileName;
  test::WriteDataFile(file, kAddressRows, true, true);
  test::RecordingPrompt prompt;
  test::ScriptedDialogs dialogs;
  WidePostalLookup engine(prompt, &dialogs, {});
  engine.Lookup("1050000", "", "", file);
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.Lines(), std::vector<std::string>{"東京都港区"});
}

}  // namespace
}  // namespace mirelon
