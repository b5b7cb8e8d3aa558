#include "cards/card_layout.h"

#include <gtest/gtest.h>

#include <map>

#include "book/address_book.h"
#include "cards/card_records.h"
#include "cards/postal_code_cells.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

AddressRecord Record(const char* code, const char* address1, const char* address2 = "") {
  AddressRecord record;
  record.postalCode = Sjis(code);
  record.address1 = Sjis(address1);
  record.address2 = Sjis(address2);
  record.name = Sjis("青木　一郎");
  record.honorific = Sjis("様");
  return record;
}

// Records that between them use every part of the card.
std::vector<AddressRecord> SampleRecords() {
  std::vector<AddressRecord> records;
  records.push_back(Record("100-0001", "東京都千代田区千代田1-1"));
  AddressRecord business = Record("530-0001", "大阪府大阪市北区梅田3-1-3", "梅田スカイタワー 28F");
  business.company1 = Sjis("株式会社青木商事");
  business.company2 = Sjis("第2営業本部 国際営業部");
  business.position = Sjis("部長");
  records.push_back(business);
  AddressRecord family = Record("0600001", "北海道札幌市中央区北一条西2-1");
  family.jointName1 = Sjis("花子");
  family.jointHonorific1 = Sjis("様");
  family.jointName2 = Sjis("健太");
  family.jointHonorific2 = Sjis("くん");
  family.jointName3 = Sjis("美咲");
  family.jointHonorific3 = Sjis("ちゃん");
  records.push_back(family);
  AddressRecord crowded =
      Record("９８０－０８１１", "神奈川県横浜市港北区新横浜三丁目19番地5号 新横浜第一セントラルビルディング1234号室",
             "ガーデンハイツ Green Hills 東棟");
  crowded.company1 = Sjis("独立行政法人国際交流推進機構東日本支部");
  crowded.company2 = Sjis("総務部");
  crowded.position = Sjis("総務部第一課長補佐兼調整役");
  crowded.name = Sjis("長谷川原田　左右衛門之助");
  crowded.honorific = Sjis("先生");
  crowded.jointName1 = Sjis("佐和子");
  crowded.jointHonorific1 = Sjis("様");
  records.push_back(crowded);
  return records;
}

CardSettings SettingsFor(CardStock stock, NumberStyle style = NumberStyle::KanjiDigits) {
  CardSettings settings;
  settings.stock = stock;
  settings.numberStyle = style;
  settings.sender = {Sjis("150-0002"), Sjis("東京都渋谷区渋谷2-21-1"), Sjis("渋谷ハイツ305"), Sjis("山田　太郎"),
                     Sjis("花子")};
  return settings;
}

// Printers cannot print closer to the edge of a card.
constexpr double kCardMargin = 3.0;

constexpr CardStock kStocks[] = {CardStock::Ordinary, CardStock::NewYear, CardStock::PlainPaper};

bool IsDigitCell(const CardCell& cell) {
  return cell.font == CellFont::Gothic && cell.text.size() == 1 && cell.text[0] >= '0' && cell.text[0] <= '9';
}

TEST(CardLayout, CodeDigitsSitInTheirBoxesOnEveryStockAndOffset) {
  const std::pair<int, int> offsets[] = {{0, 0}, {-50, -50}, {50, 50}, {23, -7}, {-1, 1}};
  for (const CardStock stock : kStocks) {
    for (const auto& [dx, dy] : offsets) {
      for (const bool turned : {false, true}) {
        CardSettings settings = SettingsFor(stock);
        settings.offsetXTenths = dx;
        settings.offsetYTenths = dy;
        settings.rotate180 = turned;
        const CardLayout layout = LayoutCard(Record("123-4567", "東京都"), settings);
        std::vector<BoxRect> expected(RecipientCodeBoxes().begin(), RecipientCodeBoxes().end());
        if (HasSenderBoxes(stock)) expected.insert(expected.end(), SenderCodeBoxes().begin(), SenderCodeBoxes().end());
        std::vector<const CardCell*> digits;
        for (const CardCell& cell : layout.cells) {
          if (IsDigitCell(cell)) digits.push_back(&cell);
        }
        ASSERT_EQ(digits.size(), expected.size());
        for (size_t i = 0; i < digits.size(); ++i) {
          const CellRect extent = CellExtent(*digits[i]);
          const PaperPoint centre = ToPaper(layout, (extent.left + extent.right) / 2, (extent.top + extent.bottom) / 2);
          // Where the box's middle is on the paper, worked out by hand.
          double x = expected[i].CentreX();
          double y = expected[i].CentreY();
          if (turned) {
            x = kCardWidthMm - x;
            y = kCardHeightMm - y;
          }
          EXPECT_NEAR(centre.x, x + dx / 10.0, 0.1) << i;
          EXPECT_NEAR(centre.y, y + dy / 10.0, 0.1) << i;
        }
      }
    }
  }
}

bool Overlap(const CellRect& a, const CellRect& b) {
  constexpr double kSlack = 0.05;
  return a.left < b.right - kSlack && b.left < a.right - kSlack && a.top < b.bottom - kSlack &&
         b.top < a.bottom - kSlack;
}

TEST(CardLayout, CellsKeepOffTheStampTheEdgesTheBoxesAndEachOther) {
  const CellRect stamp{0, 0, kStampWidthMm, kStampHeightMm};
  for (const AddressRecord& record : SampleRecords()) {
    for (const CardStock stock : kStocks) {
      for (const NumberStyle style : {NumberStyle::KanjiDigits, NumberStyle::KanjiTens, NumberStyle::FullWidthDigits}) {
        const CardLayout layout = LayoutCard(record, SettingsFor(stock, style));
        for (size_t i = 0; i < layout.cells.size(); ++i) {
          const CellRect extent = CellExtent(layout.cells[i]);
          const std::string text = Cp932ToUtf8(layout.cells[i].text);
          EXPECT_GE(extent.left, kCardMargin) << text;
          EXPECT_GE(extent.top, kCardMargin) << text;
          EXPECT_LE(extent.right, kCardWidthMm - kCardMargin) << text;
          EXPECT_LE(extent.bottom, kCardHeightMm - kCardMargin) << text;
          EXPECT_FALSE(Overlap(extent, stamp)) << text;
          for (const BoxRect& box : layout.boxes) {
            const CellRect boxRect{box.left, box.top, box.left + box.width, box.top + box.height};
            EXPECT_TRUE(IsDigitCell(layout.cells[i]) || !Overlap(extent, boxRect)) << text;
          }
          for (size_t j = 0; j < i; ++j) {
            EXPECT_FALSE(Overlap(extent, CellExtent(layout.cells[j])))
                << text << " / " << Cp932ToUtf8(layout.cells[j].text);
          }
        }
      }
    }
  }
}

// The cells of a card with nothing but an address, grouped into columns by their middle.
std::map<double, std::vector<CardCell>> AddressColumns(const std::string& address1) {
  AddressRecord record;
  record.address1 = address1;
  CardSettings settings;
  std::map<double, std::vector<CardCell>> columns;
  for (const CardCell& cell : LayoutCard(record, settings).cells) columns[-cell.x].push_back(cell);
  return columns;
}

TEST(CardLayout, ALongAddressShrinksThenCondensesThenBreaks) {
  // 100 bytes.
  const std::string address =
      Sjis("神奈川県横浜市港北区新横浜三丁目１９番地５号　新横浜第一セントラルビルディング北館東棟１２３４５号室");
  ASSERT_EQ(address.size(), 100u);
  enum Stage { Nominal, Shrunk, Condensed, Broken };
  std::vector<Stage> stages;
  for (size_t length = 2; length <= address.size(); length += 2) {
    const auto columns = AddressColumns(address.substr(0, length));
    const CardCell& first = columns.begin()->second.front();
    const Stage stage = columns.size() > 1    ? Broken
                        : first.scale < 1.0   ? Condensed
                        : first.sizePt < 16.0 ? Shrunk
                                              : Nominal;
    if (stages.empty() || stages.back() != stage) stages.push_back(stage);
  }
  EXPECT_EQ(stages, (std::vector<Stage>{Nominal, Shrunk, Condensed, Broken}));
  const auto columns = AddressColumns(address);
  ASSERT_EQ(columns.size(), 2u);
  // The break comes where the building name starts, and the first column is not condensed.
  EXPECT_EQ(Cp932ToUtf8(columns.begin()->second.front().text), "神奈川県横浜市港北区新横浜三丁目一九番地五号");
  EXPECT_EQ(columns.begin()->second.front().scale, 1.0);
}

TEST(CardLayout, ABreakNeverFallsInsideANumber) {
  // No building name and no place name near the end: the break has to go somewhere else.
  const auto columns = AddressColumns(
      Sjis("北海道虻田郡倶知安町字樺山123456789-123456789-123456789-1234"));
  ASSERT_GE(columns.size(), 2u);
  std::vector<std::string> texts;
  for (const auto& [x, cells] : columns) {
    std::string text;
    for (const CardCell& cell : cells) text += Cp932ToUtf8(cell.text);
    texts.push_back(text);
  }
  // The number goes whole into the last column, condensed as far as it must.
  EXPECT_EQ(texts, (std::vector<std::string>{"北海道虻田郡倶知安町", "字樺山",
                                              "一二三四五六七八九‐一二三四五六七八九‐一二三四五六七八九‐一二三四"}));
}

TEST(CardLayout, JointNamesHaveTheirHonorificsLevel) {
  const CardLayout layout = LayoutCard(SampleRecords()[2], SettingsFor(CardStock::NewYear));
  std::vector<const CardCell*> honorifics;
  for (const CardCell& cell : layout.cells) {
    const std::string text = Cp932ToUtf8(cell.text);
    // The first character of each honorific: 様, 様, く(ん), ち(ゃん).
    if (text == "様" || text == "く" || text == "ち") honorifics.push_back(&cell);
  }
  ASSERT_EQ(honorifics.size(), 4u);
  for (const CardCell* cell : honorifics) EXPECT_NEAR(cell->y, honorifics[0]->y, 1e-9);
  for (size_t i = 1; i < honorifics.size(); ++i) EXPECT_LT(honorifics[i]->x, honorifics[i - 1]->x);
}

TEST(CardLayout, JointGivenNamesLineUpWithTheMainGivenName) {
  AddressRecord record = Record("100-0001", "東京都");
  record.name = Sjis("加藤　博");
  record.jointName1 = Sjis("加藤　明美");
  record.jointName2 = Sjis("翔");
  std::map<std::string, double> tops;
  for (const CardCell& cell : LayoutCard(record, CardSettings{}).cells) tops[Cp932ToUtf8(cell.text)] = cell.y;
  EXPECT_NEAR(tops["明"], tops["博"], 1e-9);
  EXPECT_NEAR(tops["翔"], tops["博"], 1e-9);
}

TEST(CardLayout, PostalCodes) {
  struct Case {
    const char* typed;
    std::optional<std::string> digits;
  };
  const Case cases[] = {
      {"100-0001", "1000001"}, {"１００－０００１", "1000001"}, {"〒060 0001", "0600001"}, {"123", "123"},
      {"123-45", "12345"},     {"", ""},                       {"1,2", std::nullopt},  {"1234", std::nullopt},
      {"12345678", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(PostalCodeDigits(Sjis(c.typed)), c.digits) << c.typed;

  const CardLayout layout = LayoutCard(Record("1,2", "東京都"), CardSettings{});
  EXPECT_TRUE(layout.postalCodeUnreadable);
  for (const CardCell& cell : layout.cells) EXPECT_FALSE(IsDigitCell(cell));
}

TEST(CardSettings, KeptPerPrinterAndClamped) {
  MemorySettingsStore store;
  CardSettings settings = SettingsFor(CardStock::PlainPaper, NumberStyle::FullWidthDigits);
  settings.rotate180 = true;
  settings.printSender = false;
  settings.offsetXTenths = -12;
  settings.offsetYTenths = 50;
  SaveCardSettings(store, "Office/Laser", settings);
  EXPECT_EQ(LoadCardSettings(store, "Office/Laser"), settings);
  const CardSettings other = LoadCardSettings(store, "Home");
  EXPECT_EQ(other.offsetXTenths, 0);
  EXPECT_EQ(other.stock, CardStock::PlainPaper);

  store.SetInt("Cards", "OffsetX", 400);
  store.SetInt("Cards", "Stock", 9);
  const CardSettings odd = LoadCardSettings(store, "");
  EXPECT_EQ(odd.offsetXTenths, kMaxOffsetTenths);
  EXPECT_EQ(odd.stock, CardStock::NewYear);
}

TEST(CardRecords, ByDefaultThoseSentThisYearWithAnAddress) {
  AddressBook book;
  auto add = [&](const char* name, const char* address, const char* history) {
    AddressRecord record = Record("100-0001", address);
    record.registrationName = Sjis(name);
    record.sendHistory = Sjis(history);
    book.AddRecord(record);
  };
  add("あ", "東京都", "出出");
  add("い", "東京都", "出×");
  add("う", "", "出出");
  add("え", "大阪府", "");
  EXPECT_EQ(DefaultCardRecords(book), (std::vector<int>{0, 3}));
}

}  // namespace
}  // namespace mirelon
