// "〒検索" and "住所照合" on the national postal data (skipped when it is absent). The tests also
// print how long a press takes from the click to the result window, and a check of a full book
// including the refill of the list; they state no limit (speed is judged from the figures).
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "book/csv_field.h"
#include "gui/support/editor_fixture.h"
#include "gui/app/application_services.h"
#include "gui/dialogs/index_dialog.h"
#include "gui/postal/postal_result_dialog.h"
#include "postal/postal_files.h"
#include "gui/support/postal_gui_support.h"
#include "res/index_resources.h"
#include "res/postal_resources.h"

namespace mirelon {
namespace {

using namespace res;
using Clock = std::chrono::steady_clock;

const std::filesystem::path kNationalData = MIRELON_POSTAL_DATA;

std::filesystem::path NationalFile(bool unicode) {
  return unicode ? kNationalData / "utf16" / kWideAddressFileName : kNationalData / "sjis" / kSjisAddressFileName;
}

double Milliseconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

class NationalDataTest : public test::EditorTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    if (!std::filesystem::exists(NationalFile(GetParam()))) GTEST_SKIP() << "no national postal data";
    services_.probe = [](SiblingProgramData& sibling) {
      sibling.postalDataPath = NationalFile(GetParam()).string();
      sibling.postalDataUnicode = GetParam();
    };
    services_.postalSearch = [this](const PageMembers& page, const SiblingProgramData& sibling) {
      return app_.PostalSearch(page, sibling);
    };
    AddRecord("やまだ");
    Open();
  }

  // Presses "〒検索" with `code` and `address` typed; returns the milliseconds until the window opened.
  double Search(const char* code, const char* address, int templateNumber,
                const std::function<int(PostalResultDialog&)>& action) {
    test::Type(window_, kIdPostalCode, code);
    test::Type(window_, kIdAddress1, address);
    const Clock::time_point click = Clock::now();
    Clock::time_point shown;
    wxTEST_DIALOG(test::Click(window_, kIdPostalSearch),
                  test::ExpectDialog<PostalResultDialog>([&](PostalResultDialog& dialog) {
                    shown = Clock::now();
                    EXPECT_EQ(dialog.Template().number, templateNumber);
                    return action(dialog);
                  }));
    return Milliseconds(click, shown);
  }

  const char* Encoding() const { return GetParam() ? "UTF-16" : "Shift-JIS"; }

  ApplicationServices app_{state_};
};

TEST_P(NationalDataTest, ShibaFourthChomeOffersSeveralCodes) {
  const double ms = Search("", "東京都港区芝４丁目", kCodeChoiceTemplate, [](PostalResultDialog& dialog) {
    EXPECT_EQ(test::LinesOf(&dialog, kIdPostalRows),
              (std::vector<std::string>{"1050000 東京都港区以下に掲載がない場合", "1050011 東京都港区芝公園",
                                        "1050012 東京都港区芝大門", "1050014 東京都港区芝（１～３丁目）",
                                        "1050023 東京都港区芝浦（１丁目）", "1080014 東京都港区芝（４丁目、５丁目）",
                                        "1080023 東京都港区芝浦（２～４丁目）"}));
    test::ChooseLine(&dialog, kIdPostalRows, 5);
    test::Click(&dialog, kIdPostalOk);
    return wxID_OK;
  });
  EXPECT_EQ(test::TextOf(window_, kIdPostalCode), "1080014");
  EXPECT_EQ(test::TextOf(window_, kIdAddress1), "東京都港区芝４丁目");
  std::printf("[timing] %s full address, click to window: %.1f ms\n", Encoding(), ms);
}

TEST_P(NationalDataTest, ABusinessCodeGivesTheBusinessWindow) {
  const double ms = Search("100-8370", "", kBusinessAddressChoiceTemplate, [](PostalResultDialog& dialog) {
    EXPECT_EQ(test::LinesOf(&dialog, kIdPostalRows).at(1), "東京都千代田区大手町２丁目６番４号　古河機械金属　株式会社");
    return wxID_CANCEL;
  });
  std::printf("[timing] %s business code, click to window: %.1f ms\n", Encoding(), ms);
  const double codeMs = Search("105-0011", "", kAddressResultTemplate, [](PostalResultDialog&) { return wxID_CANCEL; });
  std::printf("[timing] %s code, click to window: %.1f ms\n", Encoding(), codeMs);
}

// The book filled up over every 120th row of the national data, every third record given the
// next record's code.
void FillBook(AddressBook& book) {
  SjisLineReader reader(ReadFileAs<char>(NationalFile(false)).value_or(std::string()));
  std::vector<std::array<std::string, 4>> rows;
  std::string_view line;
  for (size_t n = 0; reader.ReadLine(line) && rows.size() <= kBookCapacity; ++n) {
    if (n % 120 != 0) continue;
    const std::string text(line);
    size_t pos = 0;
    for (std::string& field : rows.emplace_back()) pos = ReadCsvField(text, pos, field);
  }
  for (size_t i = 0; book.recordCount() < kBookCapacity; ++i) {
    AddressRecord record;
    record.registrationName = "r" + std::to_string(1000 + i);
    record.postalCode = rows[i % 3 == 0 ? i + 1 : i][0];
    record.address1 = rows[i][1] + rows[i][2] + rows[i][3];
    book.InsertRecordAt(static_cast<int>(i), record);
  }
}

TEST_P(NationalDataTest, CheckOfAFullBookIncludingTheRefill) {
  FillBook(book_);
  IndexDialog index(nullptr, book_, NationalFile(GetParam()).string(), GetParam(), true);
  const Clock::time_point click = Clock::now();
  test::Click(&index, kIdCheckAddresses);
  const double ms = Milliseconds(click, Clock::now());
  const size_t marked = test::LinesOf(&index, kIdIndexList).size();
  EXPECT_GE(marked, 300u);
  EXPECT_LT(marked, 700u);
  std::printf("[timing] %s check of %d records with refill: %.1f ms (%zu marked)\n", Encoding(), book_.recordCount(),
              ms, marked);
}

INSTANTIATE_TEST_SUITE_P(BothEncodings, NationalDataTest, ::testing::Bool(), test::EncodingName);

}  // namespace
}  // namespace mirelon
