// A phone's export of 1000 contacts (with the 50 KB picture many phones attach to each) read and
// previewed against a full-size book, and the book written as vCard and as a table. Needs no
// shared data: the contacts are generated.
#include <benchmark/benchmark.h>

#include <string>

#include "contacts/contact_import.h"
#include "contacts/contact_writer.h"
#include "contacts/contacts_table.h"
#include "contacts/vcard_reader.h"

namespace mirelon {
namespace {

constexpr int kContacts = 1000;

std::string PhoneExport(bool pictures) {
  const std::string picture = "PHOTO;ENCODING=b;TYPE=JPEG:" + std::string(75, 'A') + "\r\n";
  const std::string folded = " " + std::string(74, 'A') + "\r\n";
  std::string cards;
  for (int i = 0; i < kContacts; ++i) {
    const std::string n = std::to_string(i);
    cards += "BEGIN:VCARD\r\nVERSION:3.0\r\nN:山田;太郎" + n + ";;;\r\nFN:山田 太郎" + n +
             "\r\nX-PHONETIC-LAST-NAME:やまだ\r\nX-PHONETIC-FIRST-NAME:たろう" + n +
             "\r\nitem1.ADR;TYPE=HOME:;ビル" + n + ";千代田１－１;千代田区;東京都;1000001;日本\r\n"
             "TEL;TYPE=CELL:090-0000-" + n + "\r\nEMAIL:taro" + n + "@example.jp\r\nNOTE:年賀状\\n返信あり\r\n";
    if (pictures) {
      cards += picture;
      for (int line = 0; line < 50000 / 74; ++line) cards += folded;
    }
    cards += "END:VCARD\r\n";
  }
  return cards;
}

void BM_ReadPhoneExport(benchmark::State& state) {
  const std::string cards = PhoneExport(state.range(0) != 0);
  for (auto _ : state) benchmark::DoNotOptimize(ReadVCards(cards));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * cards.size()));
}
BENCHMARK(BM_ReadPhoneExport)->Arg(0)->Arg(1)->ArgName("pictures")->Unit(benchmark::kMillisecond);

// The preview the import window shows: the whole import on a copy of the book.
void BM_PreviewIntoFullBook(benchmark::State& state) {
  const ContactsRead contacts = ReadVCards(PhoneExport(false));
  AddressBook book;
  ImportContacts(book, contacts);  // every contact is then a known record to be matched
  for (auto _ : state) benchmark::DoNotOptimize(PreviewImport(book, contacts));
}
BENCHMARK(BM_PreviewIntoFullBook)->Unit(benchmark::kMillisecond);

void BM_WriteBook(benchmark::State& state) {
  AddressBook book;
  ImportContacts(book, ReadVCards(PhoneExport(false)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(state.range(0) == 0 ? WriteVCards(book) : WriteContactTable(book));
  }
}
BENCHMARK(BM_WriteBook)->Arg(0)->Arg(1)->ArgName("table")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirelon
