// The renderer on real fonts: a PDF read back as text, and ink measured on image surfaces.
#include "cards/card_render.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "book/safe_file.h"
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
    report_ = RenderCard(cr, layout, options);
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
  const CardRenderReport& report() const { return report_; }

 private:
  cairo_surface_t* surface_;
  CardRenderReport report_;
};

AddressRecord SampleRecord() {
  AddressRecord record;
  record.postalCode = Sjis("100-0001");
  record.address1 = Sjis("東京都千代田区千代田1-1");
  record.name = Sjis("青木　一郎");
  record.honorific = Sjis("様");
  return record;
}

TEST(CardRender, CodeDigitsAreInkCentredInTheirBoxes) {
  for (const bool turned : {false, true}) {
    AddressRecord record;
    record.postalCode = Sjis("1234567");
    CardSettings settings;
    settings.rotate180 = turned;
    settings.offsetXTenths = 15;
    settings.offsetYTenths = -8;
    const CardLayout layout = LayoutCard(record, settings);
    const CardImage image(layout);
    for (const BoxRect& box : RecipientCodeBoxes()) {
      const PaperPoint a = ToPaper(layout, box.left, box.top);
      const PaperPoint b = ToPaper(layout, box.left + box.width, box.top + box.height);
      const InkBox ink = image.Ink(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
      ASSERT_FALSE(ink.empty());
      const PaperPoint centre = ToPaper(layout, box.CentreX(), box.CentreY());
      EXPECT_NEAR(ink.CentreXMm(), centre.x, 0.25);
      EXPECT_NEAR(ink.CentreYMm(), centre.y, 0.25);
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

TEST(CardRender, ACharacterNoFontHasIsReportedAndStillDrawn) {
  AddressRecord record = SampleRecord();
  const std::string privateUse = Sjis("\uE000");
  record.name = Sjis("青木") + privateUse + Sjis("郎");
  const CardLayout layout = LayoutCard(record, CardSettings{});
  const CardImage image(layout);
  EXPECT_EQ(image.report().missingCharacters, std::vector<std::string>{privateUse});
}

TEST(CardRender, APdfReadsBackWithTheNameAndTheAddress) {
  test::TempFolder folder;
  const std::filesystem::path pdf = folder.path() / "cards.pdf";
  CardRenderReport report;
  AddressRecord second = SampleRecord();
  second.name = Sjis("伊藤　能");
  ASSERT_EQ(WriteCardsPdf(pdf, {LayoutCard(SampleRecord(), CardSettings{}), LayoutCard(second, CardSettings{})},
                          report),
            FileIoResult::Done);
  EXPECT_TRUE(report.missingCharacters.empty());
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

TEST(CardRender, AFailedPdfWriteLeavesTheOldFile) {
  test::TempFolder folder;
  const std::filesystem::path pdf = folder.path() / "missing" / "cards.pdf";
  CardRenderReport report;
  EXPECT_NE(WriteCardsPdf(pdf, {LayoutCard(SampleRecord(), CardSettings{})}, report), FileIoResult::Done);
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

}  // namespace
}  // namespace mirelon
