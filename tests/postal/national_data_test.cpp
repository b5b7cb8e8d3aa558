// The engines on the national postal data (../shared/data/postal), skipped when it is absent. The
// searches run on the rows of a few prefectures, copied once into a temporary folder in both
// encodings; the bulk check runs on the whole files. Both engines must agree exactly.
#include <gtest/gtest.h>

#include <set>

#include "postal_test_support.h"
#include "text/text_mapping.h"

namespace mirelon {
namespace {

const std::filesystem::path kNational = MIRELON_POSTAL_DATA;

std::filesystem::path DataFile(const std::filesystem::path& folder, bool unicode) {
  return unicode ? folder / "utf16" / kWideAddressFileName : folder / "sjis" / kSjisAddressFileName;
}

std::vector<std::string> Fields(std::string_view line) {
  std::vector<std::string> fields;
  std::string field;
  for (size_t pos = 0; pos < line.size();) {
    pos = ReadCsvField(line, pos, field);
    fields.push_back(field);
  }
  return fields;
}

template <class Char>
std::vector<std::basic_string<Char>> SplitLines(const std::basic_string<Char>& text) {
  const Char lineEnd[] = {Char('\r'), Char('\n'), Char()};
  std::vector<std::basic_string<Char>> lines;
  for (size_t from = 0, to; (to = text.find(lineEnd, from)) != std::basic_string<Char>::npos; from = to + 2) {
    lines.push_back(text.substr(from, to - from));
  }
  return lines;
}

class NationalDataTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!std::filesystem::exists(DataFile(kNational, false)) || !std::filesystem::exists(DataFile(kNational, true))) {
      return;
    }
    regional_ = new test::TempFolder;
    CopyRegion(std::string(kSjisAddressFileName), 1);
    CopyRegion("QUELTAJIGYO.CSV", 2);
  }
  static void TearDownTestSuite() {
    delete regional_;
    regional_ = nullptr;
    rows_.clear();
  }
  void SetUp() override {
    if (!regional_) GTEST_SKIP() << "national postal data not found in " << kNational;
  }

  // The rows of a few prefectures, from both encodings of one file; the Shift-JIS rows are kept as
  // fields for building queries.
  static void CopyRegion(const std::string& name, size_t prefectureField) {
    const std::set<std::string> region = {Sjis("東京都"), Sjis("京都府"), Sjis("沖縄県")};
    const std::string wideName = "QUELTAUNI" + name.substr(6);
    const auto sjisLines = SplitLines(test::ReadBytes(kNational / "sjis" / name));
    const auto wideLines = SplitLines(*ReadWideFile(kNational / "utf16" / wideName));
    ASSERT_EQ(sjisLines.size(), wideLines.size());
    std::string sjis;
    std::u16string wide;
    for (size_t i = 0; i < sjisLines.size(); ++i) {
      std::vector<std::string> fields = Fields(sjisLines[i]);
      if (fields.size() <= prefectureField || !region.count(fields[prefectureField])) continue;
      sjis += sjisLines[i] + "\r\n";
      wide += wideLines[i] + u"\r\n";
      rows_[name].push_back(std::move(fields));
    }
    std::filesystem::create_directories(*regional_ / "sjis");
    std::filesystem::create_directories(*regional_ / "utf16");
    test::WriteBytes(*regional_ / "sjis" / name, sjis);
    test::WriteBytes(*regional_ / "utf16" / wideName, test::LittleEndianBytes(wide));
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
    engine->Lookup(code, address, company, DataFile(regional_->path(), unicode));
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

  static std::vector<std::vector<std::string>> Sample(const std::string& name, size_t count) {
    const auto& rows = rows_.at(name);
    std::vector<std::vector<std::string>> sample;
    for (size_t i = 0; i < count; ++i) sample.push_back(rows[i * rows.size() / count]);
    return sample;
  }

  static inline test::TempFolder* regional_ = nullptr;
  static inline std::map<std::string, std::vector<std::vector<std::string>>> rows_;
};

TEST_F(NationalDataTest, EnginesAgreeOnCodeAndAddressSearches) {
  size_t dialogs = 0;
  const auto rows = Sample(std::string(kSjisAddressFileName), 30);
  for (const auto& row : rows) {
    dialogs += ExpectSameOnBothEngines(row[0], "");
    dialogs += ExpectSameOnBothEngines("", row[1] + row[2] + row[3] + Sjis("１－２"));
    dialogs += ExpectSameOnBothEngines("", ToHalfWidth(row[2] + row[3]));
  }
  EXPECT_GT(dialogs, 2 * rows.size());
}

TEST_F(NationalDataTest, EnginesAgreeOnBusinessSearches) {
  size_t dialogs = 0;
  const auto rows = Sample("QUELTAJIGYO.CSV", 20);
  for (const auto& row : rows) {
    dialogs += ExpectSameOnBothEngines(row[0], "");
    dialogs += ExpectSameOnBothEngines("", row[2] + row[3] + row[4] + row[5], row[1]);
    dialogs += ExpectSameOnBothEngines("", "", row[1]);
  }
  EXPECT_GT(dialogs, 2 * rows.size());
}

TEST_F(NationalDataTest, BookBuiltFromRowsFitsAndAgreesOnBothEngines) {
  std::vector<std::vector<std::string>> rows;
  const auto lines = SplitLines(test::ReadBytes(DataFile(kNational, false)));
  for (size_t i = 0; i < lines.size() && rows.size() <= kBookCapacity; i += 124) rows.push_back(Fields(lines[i]));
  AddressBook book;
  for (int i = 0; i < kBookCapacity; ++i) {
    const auto& row = rows[static_cast<size_t>(i)];
    AddressRecord record;
    record.registrationName = std::to_string(100000 + i);
    // Every other record takes the code of the next sampled row, which rarely fits its address.
    record.postalCode = rows[static_cast<size_t>(i % 2 == 0 ? i : i + 1)][0];
    record.address1 = row[1] + row[2];
    record.address2 = row[3];
    book.AddRecord(record);
  }
  test::RecordingPrompt prompt;
  std::vector<int32_t> values[2];
  for (const bool unicode : {false, true}) {
    const auto engine = MakePostalLookup(unicode, prompt, nullptr);
    engine->CheckBookAddresses(book, DataFile(kNational, unicode));
    engine->CheckBookBusinesses(book, DataFile(kNational, unicode));
    values[unicode].assign(book.postalCheckValue.begin(), book.postalCheckValue.begin() + kBookCapacity);
  }
  EXPECT_EQ(values[0], values[1]);
  int mismatched = 0;
  for (int i = 0; i < kBookCapacity; ++i) {
    const int32_t value = values[0][static_cast<size_t>(i)];
    if (i % 2 == 0) {
      EXPECT_EQ(value, 0) << test::U8(book.record(i).address1);
    }
    mismatched += value != 0;
  }
  EXPECT_GT(mismatched, 400);
  EXPECT_TRUE(prompt.shown.empty());
}

}  // namespace
}  // namespace mirelon
