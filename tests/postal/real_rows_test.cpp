// Rows of the national postal data: an excerpt kept in tests/data/postal, and the whole data when
// ../shared/data/postal is present.
#include <gtest/gtest.h>

#include <fstream>

#include "postal_test_support.h"
#include "text/text_mapping.h"

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
  const PostalSearch& code = this->Lookup("1050014", "");
  EXPECT_EQ(test::U8(code.addressResult()), "東京都港区芝（１～３丁目）");
  EXPECT_EQ(code.addressResult(), Sjis("東京都港区芝（１～３丁目）"));
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

TYPED_TEST(ExcerptTest, CodeWithSixtySixRowsOffersTheFirstThirty) {
  this->Lookup("452-0961", "");
  EXPECT_EQ(this->dialogs.requests.at(0).rows.size(), 30u);
}

TYPED_TEST(ExcerptTest, BusinessesOnRealRows) {
  this->Lookup("", "", "大丸");
  EXPECT_EQ(this->Codes(), (std::vector<std::string>{"0038502", "0038504"}));
  this->Lookup("", "東京都千代田区大手町２－６－４", "古河電子（株）");
  EXPECT_EQ(this->dialogs.requests.at(0).kind, PostalDialogKind::BusinessCodeResult);
  this->Lookup("1008370", "");
  EXPECT_EQ(this->dialogs.requests.at(0).rows.size(), 10u);
}

// The whole national data. Each query runs on both engines, which must agree exactly.
class NationalDataTest : public ::testing::Test {
 protected:
  static constexpr const char* kFolder = MIRELON_POSTAL_DATA;

  void SetUp() override {
    if (!std::filesystem::exists(DataFile(kFolder, false)) || !std::filesystem::exists(DataFile(kFolder, true))) {
      GTEST_SKIP() << "national postal data not found in " << kFolder;
    }
  }

  struct Outcome {
    std::vector<PostalDialogRequest> requests;
    std::vector<std::string> messages;
    std::string code, address, company;
  };
  static Outcome Run(bool unicode, const std::string& code, const std::string& address, const std::string& company) {
    test::RecordingPrompt prompt;
    test::ScriptedDialogs dialogs;
    dialogs.rewriteAddress = true;
    const auto engine = MakePostalLookup(unicode, prompt, &dialogs);
    engine->Lookup(code, address, company, DataFile(kFolder, unicode));
    return {dialogs.requests, prompt.shown, engine->codeResult(), engine->addressResult(), engine->companyResult()};
  }
  // Returns how many dialogs the query opened.
  static size_t ExpectSameOnBothEngines(const std::string& code, const std::string& address,
                                        const std::string& company = "") {
    const Outcome sjis = Run(false, code, address, company);
    const Outcome wide = Run(true, code, address, company);
    const std::string query = test::U8(code + "|" + address + "|" + company);
    EXPECT_EQ(sjis.requests.size(), wide.requests.size()) << query;
    if (sjis.requests.size() != wide.requests.size()) return 0;
    for (size_t i = 0; i < sjis.requests.size(); ++i) {
      EXPECT_EQ(sjis.requests[i].kind, wide.requests[i].kind) << query;
      EXPECT_EQ(sjis.requests[i].rows, wide.requests[i].rows) << query;
      EXPECT_EQ(sjis.requests[i].typedAddress, wide.requests[i].typedAddress) << query;
    }
    EXPECT_EQ(sjis.messages, wide.messages) << query;
    EXPECT_EQ(std::tie(sjis.code, sjis.address, sjis.company), std::tie(wide.code, wide.address, wide.company))
        << query;
    return sjis.requests.size();
  }

  // Every `step`-th row of a Shift-JIS data file, split into fields.
  static std::vector<std::vector<std::string>> SampleRows(const std::string& name, size_t step) {
    std::ifstream in(std::filesystem::path(kFolder) / "sjis" / name, std::ios::binary);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    for (size_t n = 0; std::getline(in, line); ++n) {
      if (n % step != 0) continue;
      std::vector<std::string> fields;
      std::string field;
      for (size_t pos = 0; pos < line.size() && line[pos] != '\r';) {
        pos = ReadCsvField(line, pos, field);
        fields.push_back(field);
      }
      rows.push_back(fields);
    }
    return rows;
  }
};

TEST_F(NationalDataTest, EnginesAgreeOnCodeAndAddressSearches) {
  size_t dialogs = 0;
  const auto rows = SampleRows(std::string(kSjisAddressFileName), 3000);
  for (const auto& row : rows) {
    dialogs += ExpectSameOnBothEngines(row[0], "");
    dialogs += ExpectSameOnBothEngines("", row[1] + row[2] + row[3] + Sjis("１－２"));
    dialogs += ExpectSameOnBothEngines("", ToHalfWidth(row[2] + row[3]));
  }
  EXPECT_GT(dialogs, 2 * rows.size());
}

TEST_F(NationalDataTest, EnginesAgreeOnBusinessSearches) {
  size_t dialogs = 0;
  const auto rows = SampleRows("QUELTAJIGYO.CSV", 1000);
  for (const auto& row : rows) {
    dialogs += ExpectSameOnBothEngines(row[0], "");
    dialogs += ExpectSameOnBothEngines("", row[2] + row[3] + row[4] + row[5], row[1]);
    dialogs += ExpectSameOnBothEngines("", "", row[1]);
  }
  EXPECT_GT(dialogs, 2 * rows.size());
}

TEST_F(NationalDataTest, BookBuiltFromRowsFitsAndAgreesOnBothEngines) {
  AddressBook book;
  const auto rows = SampleRows(std::string(kSjisAddressFileName), 124);
  for (size_t i = 0; i < rows.size() && book.recordCount() < kBookCapacity; ++i) {
    AddressRecord record;
    record.registrationName = std::to_string(100000 + i);
    // Every other record takes the code of the next sampled row, which rarely fits its address.
    record.postalCode = rows[i % 2 == 0 ? i : (i + 1) % rows.size()][0];
    record.address1 = rows[i][1] + rows[i][2];
    record.address2 = rows[i][3];
    book.AddRecord(record);
  }
  ASSERT_EQ(book.recordCount(), kBookCapacity);
  test::RecordingPrompt prompt;
  std::vector<int32_t> values[2];
  for (const bool unicode : {false, true}) {
    const auto engine = MakePostalLookup(unicode, prompt, nullptr);
    engine->CheckBookAddresses(book, DataFile(kFolder, unicode));
    engine->CheckBookBusinesses(book, DataFile(kFolder, unicode));
    values[unicode].assign(book.postalCheckValue.begin(), book.postalCheckValue.begin() + kBookCapacity);
  }
  EXPECT_EQ(values[0], values[1]);
  int fitting = 0;
  int mismatched = 0;
  for (int i = 0; i < kBookCapacity; ++i) {
    const bool ownCode = std::stoi(book.record(i).registrationName) % 2 == 0;
    if (ownCode) {
      EXPECT_EQ(values[0][static_cast<size_t>(i)], 0) << test::U8(book.record(i).address1);
    }
    (values[0][static_cast<size_t>(i)] == 0 ? fitting : mismatched) += 1;
  }
  EXPECT_GT(mismatched, 400);
  EXPECT_TRUE(prompt.shown.empty());
}

}  // namespace
}  // namespace mirelon
