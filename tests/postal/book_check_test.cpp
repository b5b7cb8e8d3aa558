// The bulk check of every record's postal code against its address and company, on both engines.
#include <gtest/gtest.h>

#include "postal/pending_records.h"
#include "postal_test_support.h"

namespace mirelon {
namespace {

using test::Row;

const std::vector<Row> kAddressRows = {
    {"1000013", "東京都", "千代田区", "霞ケ関"},
    {"1050000", "東京都", "港区", "以下に掲載がない場合"},
    {"1050011", "東京都", "港区", "芝公園"},
    {"1050012", "東京都", "港区", "芝大門"},
    {"1056090", "東京都", "港区", "芝公園ビル（地階・階層不明）"},
    {"1050011", "東京都", "港区", "芝公園"},  // listed again: decided records are not compared twice
    {"2310023", "神奈川県", "横浜市中区", "山下町"},
    {"short"},
};
const std::vector<Row> kBusinessRows = {
    {"1008111", "株式会社Ａ商事、本社", "東京都", "千代田区", "丸の内", "１丁目１－１"},
    {"1008222", "Ｂ物産", "東京都", "千代田区", "丸の内", "２丁目"},
};

struct Entry {
  std::string_view code;
  std::string_view address1;
  std::string_view address2 = "";
  std::string_view company = "";
};

template <class E>
class BookCheckTest : public test::PostalEngineTest<E> {
 protected:
  void SetUp() override {
    this->WriteAddresses(kAddressRows);
    this->WriteBusinesses(kBusinessRows);
    book.SetPrompt(&this->prompt);
  }
  // Records named "00", "01", … in the order given, so that record i is entry i.
  void Fill(const std::vector<Entry>& entries) {
    for (size_t i = 0; i < entries.size(); ++i) {
      AddressRecord record;
      record.registrationName = (i < 10 ? "0" : "") + std::to_string(i);
      record.postalCode = Sjis(entries[i].code);
      record.address1 = Sjis(entries[i].address1);
      record.address2 = Sjis(entries[i].address2);
      record.company1 = Sjis(entries[i].company);
      book.AddRecord(record);
    }
  }
  std::vector<int32_t> Check(bool businesses = true) {
    BasicPostalLookup<E> engine(this->prompt, nullptr, {});
    engine.CheckBookAddresses(book, this->AddressFile());
    if (businesses) engine.CheckBookBusinesses(book, this->AddressFile());
    return {book.postalCheckValue.begin(), book.postalCheckValue.begin() + book.recordCount()};
  }

  AddressBook book;
};
TYPED_TEST_SUITE(BookCheckTest, test::BothEngines, test::EngineNames);

TYPED_TEST(BookCheckTest, CodesThatFitTheirAddressBecomeZero) {
  this->Fill({
      {"１０５－００１１", "東京都港区芝公園４－１"},  // fits
      {"1050011", "港区芝大門１"},                      // a town area the code does not have
      {"", "東京都港区芝公園"},                         // no code
      {"1050011", ""},                                   // an empty address fits any row
      {"1000013", "東京都千代田区霞が関１－２"},        // kana folded as the row needs
      {"2310023", "東京都横浜市中区山下町"},            // the prefecture differs
      {"1050000", "東京都港区六本木", "６丁目"},        // the catch-all row: address lines joined
      {"1056090", "港区芝公園１２３"},                  // only the lead 港区芝公園 agrees
      {"1050012", "港区１２"},                          // lead too short to count
      {"9999999", "港区芝公園"},                        // code in no row
  });
  EXPECT_EQ(this->Check(), (std::vector<int32_t>{0, 1050011, -1, 0, 0, 2310023, 0, 0, 1050012, 9999999}));
  EXPECT_TRUE(this->book.postalCheckDone);
  EXPECT_TRUE(this->prompt.shown.empty());
}

TYPED_TEST(BookCheckTest, CodeOfAllZerosIsNeverTakenAsFitting) {
  this->Fill({{"000-0000", "東京都港区"}, {"1050000", "東京都港区"}});
  const std::vector<int32_t> values = this->Check();
  EXPECT_NE(values[0], 0);
  EXPECT_EQ(values[1], 0);
}

TYPED_TEST(BookCheckTest, BusinessesClearRecordsWhoseCompanyAndAddressFit) {
  this->Fill({
      {"1008111", "東京都千代田区丸の内１－１", "", "Ａ商事"},       // fits the business row
      {"1008111", "千代田区丸の内", "", "（株）ａ商事東京"},         // the row's name begins the company
      {"1008111", "東京都千代田区丸の内１－１", "", "Ｃ商事"},       // another company
      {"1008111", "東京都千代田区大手町", "", "Ａ商事"},             // another address
      {"1008111", "東京都千代田区丸の内", "", "株式会社"},           // no company once words are dropped
      {"1050011", "港区芝公園", "", "Ｂ物産"},                        // decided by the address file
  });
  EXPECT_EQ(this->Check(), (std::vector<int32_t>{0, 0, 1008111, 1008111, 1008111, 0}));
}

TYPED_TEST(BookCheckTest, BusinessCheckIsSkippedWithoutCompaniesOrBusinessFile) {
  this->Fill({{"1008111", "東京都千代田区丸の内"}});
  EXPECT_EQ(this->Check(), std::vector<int32_t>{1008111});

  this->book.record(0).company1 = Sjis("Ａ商事");
  std::filesystem::remove(this->BusinessFile());
  EXPECT_EQ(this->Check(), std::vector<int32_t>{1008111});
  EXPECT_TRUE(this->prompt.shown.empty());
}

TYPED_TEST(BookCheckTest, UnreadableAddressFileIsReportedAndLeavesTheCheckUndone) {
  this->Fill({{"1050011", "港区芝公園"}});
  std::filesystem::remove(this->AddressFile());
  this->Check(false);
  EXPECT_EQ(this->Messages(),
            std::vector<std::string>{this->AddressFile().string() + "\r\nファイルのオープンに失敗しました"});
  EXPECT_FALSE(this->book.postalCheckDone);
}

TEST(PendingRecordsTest, RowCodesAreTheLeadingDigitsOfTheirField) {
  EXPECT_EQ(ParseRowCode(std::string_view("1050011")), 1050011);
  EXPECT_EQ(ParseRowCode(std::string_view("0600000")), 600000);
  EXPECT_EQ(ParseRowCode(std::u16string_view(u"105x")), 105);
  EXPECT_EQ(ParseRowCode(std::string_view("-1")), -1);
  EXPECT_EQ(ParseRowCode(std::string_view("")), -1);
  EXPECT_EQ(ParseRowCode(std::string_view("12345678901")), -1);
}

}  // namespace
}  // namespace mirelon
