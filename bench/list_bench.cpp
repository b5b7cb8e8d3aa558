// The list table of a full book: three shown lines of ten slots each, every kind of item.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "book/address_book.h"
#include "list/list_item_kind.h"
#include "list/list_page_layout.h"
#include "list/list_text_builder.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

AddressBook FullBook() {
  AddressBook book;
  for (int i = 0; i < kBookCapacity; ++i) {
    AddressRecord record;
    char key[16];
    std::snprintf(key, sizeof key, "r%04d", i);
    record.registrationName = key;
    record.name = Sjis("表野 能ソ太郎");
    record.honorific = Sjis("様");
    record.postalCode = "100-0001";
    record.address1 = Sjis("東京都千代田区千代田１－１ ");
    record.address2 = Sjis("　表参道ヒルズ１０２号");
    record.company1 = Sjis("株式会社ソ表能商事");
    record.company2 = Sjis("営業本部　第二営業部");
    record.position = Sjis("部長");
    record.jointName1 = Sjis("花子");
    record.jointHonorific1 = Sjis("様");
    record.jointName2 = Sjis("一郎");
    record.jointHonorific2 = Sjis("くん");
    record.phone = "03-1234-5678";
    record.fax = "03-1234-5679";
    record.mobile = "090-1234-5678";
    record.email = "taro@example.jp";
    record.memo1 = Sjis("年賀状は家族写真\r\nで送る");
    record.memo2 = Sjis("喪中 2021");
    record.initialSendState = Sjis(i % 3 == 0 ? "送信しない" : "送信する");
    record.sendHistory = Sjis(i % 2 == 0 ? "□□×後□○□喪□□" : "□□×後□○□□喪×");
    record.receiveHistory = Sjis("□○○□ x□");
    book.InsertRecordAt(i, record);
  }
  return book;
}

DisplayFormat ThreeFullLines() {
  using K = ListItemKind;
  const K kinds[kListSlotCount] = {
      K::RegistrationName, K::Name,      K::Honorific,       K::PostalCode,      K::ComposedAddress,
      K::Position,         K::Company1,  K::InitialSendState, K::SendHistory,    K::ReceiveHistory,
      K::JointName1,       K::JointHonorific1, K::JointName2, K::JointHonorific2, K::JointName3,
      K::JointHonorific3,  K::ComposedPhone,   K::Email,      K::Memo1,          K::Memo2,
      K::Address1,         K::Address2,  K::Company2,        K::Phone,           K::Fax,
      K::Mobile,           K::Blank,     K::InitialSendState, K::SendHistory,    K::Name,
  };
  const int widths[kListSlotCount] = {12, 10, 4, 8, 48, 10, 20, 4, 10, 10,
                                      10, 4, 10, 4, 10, 4, 40, 30, 30, 20,
                                      40, 30, 20, 14, 14, 14, 2, 10, 11, 7};
  DisplayFormat format;
  format.lineShown = {1, 1, 1};
  for (int k = 0; k < kListSlotCount; ++k) {
    format.itemKind[static_cast<size_t>(k)] = static_cast<int16_t>(kinds[k]);
    format.itemWidth[static_cast<size_t>(k)] = static_cast<int16_t>(widths[k]);
  }
  return format;
}

void BM_BuildListTextFullBook(benchmark::State& state) {
  const AddressBook book = FullBook();
  DisplayFormat format = ThreeFullLines();
  format.filter = static_cast<int16_t>(state.range(0));
  for (auto _ : state) {
    std::string text = BuildListText(book, format);
    benchmark::DoNotOptimize(text);
  }
  state.counters["records"] = format.displayedCount;
}
// All records, and a filter that asks the send judgement of every record.
BENCHMARK(BM_BuildListTextFullBook)->Arg(0)->Arg(5)->Unit(benchmark::kMillisecond);

// The printout's pages of that list on an A4 page (about 66 lines of 96 cells), clipped and wrapped.
void BM_PaginateFullList(benchmark::State& state) {
  DisplayFormat format = ThreeFullLines();
  const std::string text = BuildListText(FullBook(), format);
  const bool wrap = state.range(0) != 0;
  int pages = 0;
  for (auto _ : state) {
    const ListPageLayout layout(text, {66, 96}, wrap);
    pages = layout.PageCount();
    for (int page = 1; page <= pages; ++page) benchmark::DoNotOptimize(layout.PageLines(page));
  }
  state.counters["pages"] = pages;
}
BENCHMARK(BM_PaginateFullList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirelon
