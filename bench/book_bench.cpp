// Reading and writing a 1000-record family (about 200 bytes a record, 20-year histories), adding
// to a full-size book, and mirelon-tool's copy of the family as a process. Needs no shared data:
// the family is generated in a temp folder.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "book/address_book.h"
#include "book/book_files.h"
#include "run_process.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

// A reading of 3 to 6 kana, made unique by its index.
std::string KanaName(std::mt19937& random, int index) {
  static const char* const kKana[] = {"あ", "い", "う", "え", "お", "か", "き", "く", "け", "こ", "さ", "し",
                                      "す", "せ", "そ", "た", "ち", "つ", "て", "と", "な", "に", "の", "は",
                                      "ひ", "ふ", "ま", "み", "や", "ゆ", "よ", "ら", "り", "わ", "が", "ざ"};
  std::string name;
  const int length = 3 + static_cast<int>(random() % 4);
  for (int i = 0; i < length; ++i) name += kKana[random() % std::size(kKana)];
  return Sjis(name) + std::to_string(index);
}

AddressBook MakeBook(int count) {
  std::mt19937 random(2005);
  AddressBook book;
  book.year = 2024;
  book.notes = "覚え書き\r\n二行目"_sjis;
  for (int i = 0; i < count; ++i) {
    AddressRecord record;
    record.registrationName = KanaName(random, i);
    record.postalCode = "100-" + std::to_string(1000 + i);
    record.address1 = "東京都千代田区千代田" + std::to_string(i % 9 + 1) + "-" + std::to_string(i % 30 + 1);
    record.address1 = Sjis(record.address1);
    record.name = "山田太郎"_sjis;
    record.honorific = "様"_sjis;
    record.phone = "03-1234-5678";
    record.email = "taro" + std::to_string(i) + "@example.jp";
    record.memo1 = "年賀状\r\n\"返信\"あり"_sjis;
    record.initialSendState = i % 7 == 0 ? "送信しない"_sjis : "送信する"_sjis;
    for (int year = 0; year < 20; ++year) {
      record.sendHistory += random() % 5 == 0 ? "×"_sjis : "□"_sjis;
      record.receiveHistory += random() % 3 == 0 ? "○"_sjis : "□"_sjis;
    }
    if (i % 7 == 0) record.sendHistory += "×"_sjis;
    book.AddRecord(record);
  }
  return book;
}

class Family {
 public:
  Family() {
    folder_ = std::filesystem::temp_directory_path() / ("mirelon-bench-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder_);
    AddressBook book = MakeBook(kBookCapacity);
    SaveBookFamilyAs(book, path());
  }
  ~Family() { std::filesystem::remove_all(folder_); }
  std::filesystem::path path() const { return folder_ / "bench.csv"; }

 private:
  std::filesystem::path folder_;
};

void BM_ReadFamily(benchmark::State& state) {
  const Family family;
  AddressBook book;
  book.SetFileName(family.path());
  for (auto _ : state) {
    book.ResetForRead();
    LoadBookFamilyFiles(book);
    benchmark::DoNotOptimize(book.recordCount());
  }
  state.counters["records"] = book.recordCount();
}
BENCHMARK(BM_ReadFamily)->Unit(benchmark::kMillisecond);

void BM_WriteFamily(benchmark::State& state) {
  const Family family;
  AddressBook book;
  book.SetFileName(family.path());
  LoadBookFamilyFiles(book);
  size_t bytes = 0;
  for (auto _ : state) {
    WriteBookFamily(book);
  }
  for (const char* suffix : {"", "_nos", "_nen"}) {
    bytes += std::filesystem::file_size(family.path().parent_path() / ("bench" + std::string(suffix) + ".csv"));
  }
  state.counters["bytes/record"] = static_cast<double>(bytes) / book.recordCount();
}
BENCHMARK(BM_WriteFamily)->Unit(benchmark::kMillisecond);

// A file of one name repeated over 226,719 lines: renaming stops at the full book, and the renames
// come as one list.
void BM_ReadRepeatedName(benchmark::State& state) {
  std::string content;
  for (int i = 0; i < 226'719; ++i) content += "name,1,2\r\n";
  AddressBook book;
  for (auto _ : state) {
    book.ResetForRead();
    book.Read(BookFileKind::SendFile, content);
    benchmark::DoNotOptimize(book.recordCount());
  }
}
BENCHMARK(BM_ReadRepeatedName)->Unit(benchmark::kMillisecond);

// One record added in the middle of a book of 999 (and deleted again, outside the timing).
void BM_AddRecordFullSize(benchmark::State& state) {
  AddressBook book = MakeBook(kBookCapacity - 1);
  AddressRecord record = book.record(book.recordCount() / 2);
  record.registrationName += "-x";
  for (auto _ : state) {
    const int index = book.AddRecord(record);
    state.PauseTiming();
    book.DeleteRecord(index);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AddRecordFullSize)->Unit(benchmark::kMicrosecond);

// `mirelon-tool copy` of the family as a whole process: start, read, write, exit.
void BM_ToolCopyProcess(benchmark::State& state) {
  const Family family;
  const std::string source = family.path().string();
  const std::string destination = (family.path().parent_path() / "copy.csv").string();
  for (auto _ : state) {
    if (!bench::RunProcess({MIRELON_TOOL, "copy", source, destination})) {
      state.SkipWithError("mirelon-tool copy failed");
      break;
    }
  }
}
BENCHMARK(BM_ToolCopyProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace mirelon
