#include "cards/card_layout.h"

#include <gtest/gtest.h>

#include <map>

#include "book/address_book.h"
#include "cards/card_records.h"
#include "cards/postal_code_cells.h"
#include "cards/sender_block.h"
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

// The sender's digits follow the sender's own offset on top of the card's; the boxes they sit in
// move with them only where the program draws them (plain paper).
TEST(CardLayout, CodeDigitsSitInTheirBoxesOnEveryStockAndOffset) {
  struct Offsets {
    int dx, dy, senderDx, senderDy;
  };
  const Offsets offsets[] = {{0, 0, 0, 0}, {-50, -50, 50, 50}, {50, 50, -50, 0}, {23, -7, 0, 0}, {-1, 1, 3, -12}};
  for (const CardStock stock : kStocks) {
    for (const Offsets& o : offsets) {
      for (const bool turned : {false, true}) {
        CardSettings settings = SettingsFor(stock);
        settings.offsetXTenths = o.dx;
        settings.offsetYTenths = o.dy;
        settings.senderOffsetXTenths = o.senderDx;
        settings.senderOffsetYTenths = o.senderDy;
        settings.rotate180 = turned;
        const CardLayout layout = LayoutCard(Record("123-4567", "東京都"), settings);
        std::vector<BoxRect> expected(RecipientCodeBoxes().begin(), RecipientCodeBoxes().end());
        for (BoxRect box : SenderCodeBoxes()) {  // where the sender's own offset takes its digits
          box.left += o.senderDx / 10.0;
          box.top += o.senderDy / 10.0;
          if (HasSenderBoxes(stock)) expected.push_back(box);
        }
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
          EXPECT_NEAR(centre.x, x + o.dx / 10.0, 0.1) << i;
          EXPECT_NEAR(centre.y, y + o.dy / 10.0, 0.1) << i;
        }
        if (stock == CardStock::PlainPaper) {
          EXPECT_EQ(layout.boxes.back().left, expected.back().left);
        }
      }
    }
  }
}

TEST(CardLayout, SenderBoxesWhereTheCardHasThemOrTheSenderIsPrinted) {
  const std::tuple<CardStock, bool, size_t> cases[] = {
      {CardStock::Ordinary, true, 7},  {CardStock::NewYear, true, 14},   {CardStock::NewYear, false, 14},
      {CardStock::PlainPaper, true, 14}, {CardStock::PlainPaper, false, 7},
  };
  for (const auto& [stock, printSender, boxes] : cases) {
    CardSettings settings = SettingsFor(stock);
    settings.printSender = printSender;
    EXPECT_EQ(LayoutCard(Record("123-4567", "東京都"), settings).boxes.size(), boxes) << static_cast<int>(stock);
  }
}

bool Overlap(const CellRect& a, const CellRect& b) {
  constexpr double kSlack = 0.05;
  return a.left < b.right - kSlack && b.left < a.right - kSlack && a.top < b.bottom - kSlack &&
         b.top < a.bottom - kSlack;
}

TEST(CardLayout, CellsKeepOffTheStampTheEdgesTheBoxesAndEachOther) {
  const CellRect stamp{0, 0, kStampWidthMm, kStampHeightMm};
  std::vector<AddressRecord> records = SampleRecords();
  records.push_back(Record("100-0001", "東京都"));  // a name far too long for the card stays on it
  records.back().name = Sjis("長谷川原田左右衛門之助太郎兵衛次郎三郎四郎五郎六郎七郎八郎九郎十郎百郎千郎");
  for (const AddressRecord& record : records) {
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
          // Above a New-Year card's lottery strip (the sender's boxes reach lower, at the left).
          if (stock == CardStock::NewYear && !IsDigitCell(layout.cells[i])) {
            EXPECT_LE(extent.bottom, 132.0) << text;
          }
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

// Each name column's text with its honorific, right to left.
std::vector<std::string> NameTexts(const AddressRecord& record, const CardSettings& settings) {
  std::map<double, std::string> columns;
  for (const CardCell& cell : LayoutCard(record, settings).cells) {
    if (cell.font == CellFont::Mincho && cell.x > kSenderRight && cell.x < 66) columns[-cell.x] += Cp932ToUtf8(cell.text);
  }
  std::vector<std::string> texts;
  for (const auto& [x, text] : columns) texts.push_back(text);
  return texts;
}

TEST(CardLayout, RepeatedFamilyNamesAndEmptyHonorifics) {
  struct Case {
    const char* joint2;
    const char* honorific2;
    bool omit;
    bool defaultHonorific;
    std::vector<std::string> columns;
  };
  const Case cases[] = {
      {"鈴木 次郎", "様", true, true, {"鈴木一郎様", "花子様", "次郎様"}},
      {"次郎", "", true, true, {"鈴木一郎様", "花子様", "次郎様"}},
      {"佐藤 次郎", "様", true, true, {"鈴木一郎様", "鈴木花子様", "佐藤次郎様"}},
      {"鈴木 次郎", "", false, false, {"鈴木一郎様", "鈴木花子様", "鈴木次郎"}},
  };
  for (const Case& c : cases) {
    AddressRecord record = Record("100-0001", "東京都");
    record.name = Sjis("鈴木 一郎");
    record.jointName1 = Sjis("鈴木 花子");
    record.jointHonorific1 = Sjis("様");
    record.jointName2 = Sjis(c.joint2);
    record.jointHonorific2 = Sjis(c.honorific2);
    CardSettings settings;
    settings.omitJointFamily = c.omit;
    settings.defaultHonorific = c.defaultHonorific;
    EXPECT_EQ(NameTexts(record, settings), c.columns) << c.joint2;
  }
}

// The second address line (a building) is never larger than the first, for the recipient and the
// sender alike.
TEST(CardLayout, AddressLineTwoIsNeverLargerThanLineOne) {
  const char* longLine = "神奈川県横浜市港北区新横浜三丁目十九番地五号新横浜";
  CardSettings settings = SettingsFor(CardStock::NewYear);
  settings.sender.address1 = Sjis(longLine);
  settings.sender.address2 = Sjis("ハイツ");
  const CardLayout layout = LayoutCard(Record("100-0001", longLine, "ハイツ"), settings);
  for (const bool sender : {false, true}) {
    double line1 = 100;
    double line2 = 0;
    for (const CardCell& cell : layout.cells) {
      if (cell.font == CellFont::Gothic || (cell.x < kSenderRight) != sender) continue;
      if (Cp932ToUtf8(cell.text) == "ハイツ") line2 = cell.sizePt;
      if (Cp932ToUtf8(cell.text).starts_with("神奈川")) line1 = std::min(line1, cell.sizePt);
    }
    EXPECT_GT(line2, 0) << sender;
    EXPECT_LE(line2, line1) << sender;
  }
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
