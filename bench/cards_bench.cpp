// Cards: laying out and drawing 1000 address sides into one PDF, the check before printing them,
// and one card as a preview draws it.
#include <benchmark/benchmark.h>

#include <cairo.h>

#include <cstdio>
#include <filesystem>

#include "book/address_book.h"
#include "cards/card_check.h"
#include "cards/card_layout.h"
#include "cards/card_render.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

constexpr int kCards = 1000;

AddressRecord CardRecord(int i) {
  AddressRecord record;
  char number[32];
  std::snprintf(number, sizeof number, "%d-%d-%d", i % 9 + 1, i % 30 + 1, i % 200 + 1);
  record.postalCode = "100-0001";
  record.address1 = Sjis("東京都千代田区千代田") + number;
  record.address2 = Sjis("表参道ヒルズ１０２号");
  if (i % 3 == 0) {
    record.company1 = Sjis("株式会社ソ表能商事");
    record.company2 = Sjis("営業本部　第二営業部");
    record.position = Sjis("部長");
  }
  record.name = Sjis("表野　能ソ太郎");
  record.honorific = Sjis("様");
  if (i % 2 == 0) {
    record.jointName1 = Sjis("花子");
    record.jointHonorific1 = Sjis("様");
  }
  return record;
}

CardSettings BenchSettings() {
  CardSettings settings;
  settings.sender = {Sjis("150-0002"), Sjis("東京都渋谷区渋谷2-21-1"), Sjis("渋谷ハイツ305"), Sjis("山田　太郎"),
                     Sjis("花子")};
  return settings;
}

void BM_ThousandCardsToPdf(benchmark::State& state) {
  const std::filesystem::path pdf = std::filesystem::temp_directory_path() / "mirelon-cards-bench.pdf";
  const CardSettings settings = BenchSettings();
  for (auto _ : state) {
    std::vector<CardLayout> cards;
    for (int i = 0; i < kCards; ++i) cards.push_back(LayoutCard(CardRecord(i), settings));
    if (WriteCardsPdf(pdf, cards) != FileIoResult::Done) state.SkipWithError("the PDF was not written");
  }
  std::filesystem::remove(pdf);
}
BENCHMARK(BM_ThousandCardsToPdf)->Unit(benchmark::kSecond)->Iterations(1);

// What the print button does before the print dialog opens: the layouts and the check of every card.
void BM_CheckThousandCards(benchmark::State& state) {
  const CardSettings settings = BenchSettings();
  AddressBook book;
  std::vector<int> records;
  for (int i = 0; i < kCards; ++i) {
    book.InsertRecordAt(i, CardRecord(i));
    records.push_back(i);
  }
  for (auto _ : state) {
    std::vector<CardLayout> cards;
    for (const int record : records) cards.push_back(LayoutCard(book.record(record), settings));
    benchmark::DoNotOptimize(CheckCards(book, records, cards, settings, FontCoverage()));
  }
}
BENCHMARK(BM_CheckThousandCards)->Unit(benchmark::kMillisecond);

// A preview page: the card laid out and drawn on a window-sized image.
void BM_OnePreviewCard(benchmark::State& state) {
  const CardSettings settings = BenchSettings();
  const AddressRecord record = CardRecord(7);
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 500, 740);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, 5, 5);
  CardRenderOptions options;
  options.preview = true;
  for (auto _ : state) {
    const CardLayout layout = LayoutCard(record, settings);
    RenderCard(cr, layout, options);
    benchmark::ClobberMemory();
  }
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}
BENCHMARK(BM_OnePreviewCard)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirelon
