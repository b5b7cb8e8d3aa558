// The postal engines on the national data: code search, address search and the bulk check of a
// full book, each on the Shift-JIS and the UTF-16 files.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "book/csv_field.h"
#include "postal/postal_files.h"
#include "postal/postal_lookup.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

const std::filesystem::path kData = MIRELON_POSTAL_DATA;

std::filesystem::path AddressFile(bool unicode) {
  return unicode ? kData / "utf16" / kWideAddressFileName : kData / "sjis" / kSjisAddressFileName;
}

bool DataMissing(benchmark::State& state) {
  if (std::filesystem::exists(AddressFile(false)) && std::filesystem::exists(AddressFile(true))) return false;
  state.SkipWithError(("national postal data not found in " + kData.string()).c_str());
  return true;
}

class SilentPrompt final : public UserPrompt {
 public:
  bool Show(std::string_view, PromptButtons) override { return true; }
};

class CancellingDialogs final : public PostalResultDialogs {
 public:
  PostalDialogAnswer Show(const PostalDialogRequest& request) override {
    rows = request.rows.size();
    return {};
  }
  size_t rows = 0;
};

void RunLookup(benchmark::State& state, bool unicode, std::string_view code, std::string_view address,
               std::string_view company = "") {
  if (DataMissing(state)) return;
  SilentPrompt prompt;
  CancellingDialogs dialogs;
  const std::string sjisCode = Sjis(code);
  const std::string sjisAddress = Sjis(address);
  const std::string sjisCompany = Sjis(company);
  for (auto _ : state) {
    const auto engine = MakePostalLookup(unicode, prompt, &dialogs);
    engine->Lookup(sjisCode, sjisAddress, sjisCompany, AddressFile(unicode));
  }
  state.counters["rows"] = static_cast<double>(dialogs.rows);
}

void CodeSearch(benchmark::State& state) { RunLookup(state, state.range(0), "100-0001", ""); }
void AddressSearch(benchmark::State& state) {
  RunLookup(state, state.range(0), "", "東京都千代田区千代田１－１");
}

void CompanySearch(benchmark::State& state) {
  RunLookup(state, state.range(0), "", "東京都千代田区大手町２－６－４", "古河電子株式会社");
}

// A full book whose records take every 124th address row, half of them with another row's code.
AddressBook SampleBook() {
  std::ifstream in(AddressFile(false), std::ios::binary);
  std::vector<std::array<std::string, 4>> rows;
  std::string line;
  for (size_t n = 0; std::getline(in, line) && rows.size() < kBookCapacity + 1; ++n) {
    if (n % 124 != 0) continue;
    std::array<std::string, 4>& fields = rows.emplace_back();
    size_t pos = 0;
    for (std::string& field : fields) pos = ReadCsvField(line, pos, field);
  }
  AddressBook book;
  const std::string company = Sjis("株式会社ソ表能商事");
  for (int i = 0; i < kBookCapacity; ++i) {
    const auto& own = rows[static_cast<size_t>(i)];
    const auto& next = rows[static_cast<size_t>(i) + 1];
    AddressRecord record;
    record.registrationName = "r" + std::to_string(i);
    record.postalCode = (i % 2 == 0 ? own : next)[0];
    record.address1 = own[1] + own[2] + own[3];
    if (i % 10 == 0) record.company1 = company;
    book.InsertRecordAt(i, record);
  }
  return book;
}

void BulkCheck(benchmark::State& state) {
  if (DataMissing(state)) return;
  const bool unicode = state.range(0);
  SilentPrompt prompt;
  AddressBook book = SampleBook();
  for (auto _ : state) {
    const auto engine = MakePostalLookup(unicode, prompt, nullptr);
    engine->CheckBookAddresses(book, AddressFile(unicode));
    engine->CheckBookBusinesses(book, AddressFile(unicode));
  }
}

BENCHMARK(CodeSearch)->ArgName("utf16")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(AddressSearch)->ArgName("utf16")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(CompanySearch)->ArgName("utf16")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BulkCheck)->ArgName("utf16")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirelon
