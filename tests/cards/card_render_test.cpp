// The renderer on real fonts: a PDF read back as text, and ink measured on image surfaces.
#include "cards/card_render.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <regex>

#include "book/safe_file.h"
#include "support/command_output.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

constexpr double kPixelsPerMm = 20;

struct InkBox {
  int left = 1 << 30;
  int top = 1 << 30;
  int right = -1;
  int bottom = -1;
  bool empty() const { return right < 0; }
  double CentreXMm() const { return (left + right + 1) / 2.0 / kPixelsPerMm; }
  double CentreYMm() const { return (top + bottom + 1) / 2.0 / kPixelsPerMm; }
};

// The card drawn black on white at kPixelsPerMm.
class CardImage {
 public:
  explicit CardImage(const CardLayout& layout, CardRenderOptions options = {})
      : surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(kCardWidthMm * kPixelsPerMm),
                                            static_cast<int>(kCardHeightMm * kPixelsPerMm))) {
    cairo_t* cr = cairo_create(surface_);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_scale(cr, kPixelsPerMm, kPixelsPerMm);
    RenderCard(cr, layout, options);
    cairo_destroy(cr);
    cairo_surface_flush(surface_);
  }
  ~CardImage() { cairo_surface_destroy(surface_); }

  // The dark pixels within a rectangle in millimetres.
  InkBox Ink(double left, double top, double right, double bottom) const {
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    InkBox ink;
    for (int y = static_cast<int>(top * kPixelsPerMm); y < static_cast<int>(bottom * kPixelsPerMm); ++y) {
      for (int x = static_cast<int>(left * kPixelsPerMm); x < static_cast<int>(right * kPixelsPerMm); ++x) {
        const unsigned char green = data[y * stride + x * 4 + 1];
        if (green > 128) continue;
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
      }
    }
    return ink;
  }

 private:
  cairo_surface_t* surface_;
};

AddressRecord SampleRecord() {
  AddressRecord record;
  record.postalCode = Sjis("100-0001");
  record.address1 = Sjis("東京都千代田区千代田1-1");
  record.name = Sjis("青木　一郎");
  record.honorific = Sjis("様");
  return record;
}

// The recipient's digits and, on a New-Year card, the sender's (moved by the sender's own offset)
// sit by their ink in the middle of their boxes, on the card as fed and turned.
TEST(CardRender, CodeDigitsAreInkCentredInTheirBoxes) {
  for (const bool turned : {false, true}) {
    AddressRecord record;
    record.postalCode = Sjis("1234567");
    CardSettings settings;
    settings.rotate180 = turned;
    settings.offsetXTenths = 15;
    settings.offsetYTenths = -8;
    settings.senderOffsetXTenths = 4;
    settings.senderOffsetYTenths = 6;
    settings.sender = {Sjis("150-0002"), Sjis("東京都渋谷区渋谷2-21-1"), "", Sjis("山田　太郎"), ""};
    const CardLayout layout = LayoutCard(record, settings);
    const CardImage image(layout);
    std::vector<std::pair<BoxRect, double>> boxes;  // with the offset of the block they belong to
    for (const BoxRect& box : RecipientCodeBoxes()) boxes.emplace_back(box, 0.0);
    for (BoxRect box : SenderCodeBoxes()) {
      box.left += 0.4;
      box.top += 0.6;
      boxes.emplace_back(box, 0.3);
    }
    for (const auto& [box, slack] : boxes) {
      const PaperPoint a = ToPaper(layout, box.left, box.top);
      const PaperPoint b = ToPaper(layout, box.left + box.width, box.top + box.height);
      const InkBox ink = image.Ink(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
      ASSERT_FALSE(ink.empty()) << box.left;
      const PaperPoint centre = ToPaper(layout, box.CentreX(), box.CentreY());
      EXPECT_NEAR(ink.CentreXMm(), centre.x, 0.25 + slack) << box.left;
      EXPECT_NEAR(ink.CentreYMm(), centre.y, 0.25 + slack) << box.left;
    }
  }
}

// The preview shows the card as it will be read: a card fed upside down is not shown turned, and
// the print moves against the paper by the offsets (reversed for such a card).
TEST(CardRender, ThePreviewShowsTheCardAsReadWithThePrintMovedByTheOffsets) {
  for (const bool turned : {false, true}) {
    AddressRecord record;
    record.postalCode = Sjis("1234567");
    CardSettings settings;
    settings.rotate180 = turned;
    settings.offsetXTenths = 30;
    settings.offsetYTenths = -20;
    const CardImage image(LayoutCard(record, settings), {.preview = true});
    const double dx = turned ? -3 : 3;
    const double dy = turned ? 2 : -2;
    const BoxRect first = RecipientCodeBoxes().front();
    const InkBox ink = image.Ink(first.left + dx, first.top + dy, first.left + first.width + dx, first.top + first.height + dy);
    ASSERT_FALSE(ink.empty()) << turned;
    EXPECT_NEAR(ink.CentreXMm(), first.CentreX() + dx, 0.25) << turned;
    EXPECT_NEAR(ink.CentreYMm(), first.CentreY() + dy, 0.25) << turned;
  }
}

TEST(CardRender, AHyphenStandsUpright) {
  CardLayout layout;
  layout.cells.push_back({Sjis("‐"), 50, 50, 40, CellOrientation::Upright, 1.0, CellFont::Mincho});
  const InkBox ink = CardImage(layout).Ink(30, 45, 70, 70);
  ASSERT_FALSE(ink.empty());
  EXPECT_GT(ink.bottom - ink.top, 2 * (ink.right - ink.left));
}

// The check's answer from the installed fonts: a private-use 外字 is in none of them; it still
// prints (as the font's box), never left out.
TEST(CardRender, FontCoverageKnowsWhatTheFontsCanDraw) {
  const FontCoverage coverage;
  const std::pair<char16_t, bool> cases[] = {{u'青', true}, {u'〝', true}, {u'‐', true}, {u'髙', true}, {u'\uE000', false}};
  for (const auto& [c, covered] : cases) EXPECT_EQ(coverage.Covers(c), covered) << static_cast<int>(c);

  CardLayout layout;
  layout.cells.push_back({Sjis("\uE000"), 50, 50, 40, CellOrientation::Upright, 1.0, CellFont::Mincho});
  EXPECT_FALSE(CardImage(layout).Ink(40, 45, 60, 70).empty());
}

TEST(CardRender, APdfReadsBackWithTheNameAndTheAddress) {
  test::TempFolder folder;
  const std::filesystem::path pdf = folder.path() / "cards.pdf";
  AddressRecord second = SampleRecord();
  second.name = Sjis("伊藤　能");
  ASSERT_EQ(WriteCardsPdf(pdf, {LayoutCard(SampleRecord(), CardSettings{}), LayoutCard(second, CardSettings{})}),
            FileIoResult::Done);
  const std::filesystem::path text = folder.path() / "cards.txt";
  const std::string command = "pdftotext -raw '" + pdf.string() + "' '" + text.string() + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const std::string content = test::ReadBytes(text);
  std::string letters;
  for (const char c : content) {
    if (c != '\n' && c != ' ' && c != '\f') letters += c;
  }
  EXPECT_NE(letters.find("東京都千代田区千代田一"), std::string::npos) << content;
  EXPECT_NE(letters.find("青木"), std::string::npos) << content;
  EXPECT_NE(letters.find("伊藤"), std::string::npos) << content;
}

// Measured on the PDF's glyph boxes: on a crowded card (four names, a long address, a company and
// a long title) every name glyph is at least 1.25 times as wide as every address or company glyph.
TEST(CardRender, TheNamePrintsLargerThanTheAddress) {
  AddressRecord record = SampleRecord();
  record.address1 = Sjis("神奈川県横浜市港北区新横浜三丁目１９番地５号　新横浜第一セントラルビルディング");
  record.address2 = Sjis("ガーデンハイツ　グリーンヒルズ　東棟１２０３号");
  record.company1 = Sjis("独立行政法人国際交流推進機構東日本支部");
  record.position = Sjis("総務部第一課長補佐兼調整役");
  record.name = Sjis("長谷川原田　左右衛門之助");
  record.jointName1 = Sjis("長谷川原田　佐和子");
  record.jointName2 = Sjis("長谷川原田　健");
  record.jointName3 = Sjis("長谷川原田　美咲");
  CardSettings settings;
  settings.omitJointFamily = false;
  test::TempFolder folder;
  const std::filesystem::path pdf = folder.path() / "crowded.pdf";
  ASSERT_EQ(WriteCardsPdf(pdf, {LayoutCard(record, settings)}), FileIoResult::Done);
  const std::string boxes = test::CommandOutput("pdftotext -bbox '" + pdf.string() + "' -");
  const std::regex word(R"re(xMin="([0-9.]+)" yMin="[0-9.]+" xMax="([0-9.]+)" yMax="[0-9.]+">([^<]+)<)re");
  const std::string nameOnly = "谷和健美咲左右衛門之助";
  const std::string addressOnly = "神奈横浜港北区新第セントラルビディガーデンハイツグリヒズ東棟独立行政法人国際交流推進機構本支";
  double smallestName = 1e9;
  double largestAddress = 0;
  for (std::sregex_iterator i(boxes.begin(), boxes.end(), word), end; i != end; ++i) {
    const double width = std::stod((*i)[2]) - std::stod((*i)[1]);  // a glyph's width: its size
    if (nameOnly.find((*i)[3].str()) != std::string::npos) smallestName = std::min(smallestName, width);
    if (addressOnly.find((*i)[3].str()) != std::string::npos) largestAddress = std::max(largestAddress, width);
  }
  ASSERT_TRUE(largestAddress > 0 && smallestName < 1e9) << boxes;
  EXPECT_GE(smallestName, kNameToTextRatio * largestAddress * 0.98) << smallestName << " / " << largestAddress;
}

TEST(CardRender, AFailedPdfWriteLeavesTheOldFile) {
  test::TempFolder folder;
  const std::filesystem::path pdf = folder.path() / "missing" / "cards.pdf";
  EXPECT_NE(WriteCardsPdf(pdf, {LayoutCard(SampleRecord(), CardSettings{})}), FileIoResult::Done);
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

}  // namespace
}  // namespace mirelon
