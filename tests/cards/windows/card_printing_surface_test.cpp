// A card as a Windows printer receives it: cairo's Windows printing surface turns the drawing
// into GDI calls, recorded here in an enhanced metafile and played back on a bitmap, where the
// ink is looked at. The fonts are FreeType's, which that surface cannot hand to GDI as text.
#include <windows.h>

#include <cairo-win32.h>
#include <gtest/gtest.h>

#include "cards/card_layout.h"
#include "cards/card_render.h"
#include "cards/card_stock.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

constexpr int kPixelsPerMm = 8;

// The GDI calls of the card at the reference DC's resolution.
HENHMETAFILE RecordCard(HDC reference, const CardLayout& layout) {
  const RECT frame{0, 0, static_cast<LONG>(kCardWidthMm * 100), static_cast<LONG>(kCardHeightMm * 100)};
  HDC recording = CreateEnhMetaFileW(reference, nullptr, &frame, nullptr);
  // The surface draws within the DC's clip box, which a printer's DC has from its paper and a
  // recording only when given one.
  const double unitsPerMm = GetDeviceCaps(reference, LOGPIXELSX) / 25.4;
  IntersectClipRect(recording, 0, 0, static_cast<int>(kCardWidthMm * unitsPerMm) + 1,
                    static_cast<int>(kCardHeightMm * unitsPerMm) + 1);
  cairo_surface_t* surface = cairo_win32_printing_surface_create(recording);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, unitsPerMm, unitsPerMm);
  RenderCard(cr, layout, {});
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  cairo_surface_destroy(surface);
  return CloseEnhMetaFile(recording);
}

TEST(CardPrintingSurface, ThePrinterGetsTheNameAndTheCode) {
  AddressRecord record;
  record.postalCode = Sjis("100-0001");
  record.address1 = Sjis("東京都千代田区千代田1-1");
  record.name = Sjis("青木　一郎");
  record.honorific = Sjis("様");
  HDC screen = GetDC(nullptr);
  HENHMETAFILE card = RecordCard(screen, LayoutCard(record, CardSettings{}));
  ASSERT_NE(card, nullptr);

  const int width = static_cast<int>(kCardWidthMm) * kPixelsPerMm;
  const int height = static_cast<int>(kCardHeightMm) * kPixelsPerMm;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC canvas = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(canvas, bitmap);
  PatBlt(canvas, 0, 0, width, height, WHITENESS);
  const RECT target{0, 0, width, height};
  ASSERT_TRUE(PlayEnhMetaFile(canvas, card, &target));
  GdiFlush();
  const auto* pixels = static_cast<const unsigned char*>(bits);
  // Dark pixels within a rectangle given in millimetres.
  const auto darkIn = [&](int left, int top, int right, int bottom) {
    int dark = 0;
    for (int y = top * kPixelsPerMm; y < bottom * kPixelsPerMm; ++y) {
      for (int x = left * kPixelsPerMm; x < right * kPixelsPerMm; ++x) dark += pixels[(y * width + x) * 4 + 1] < 128;
    }
    return dark;
  };
  EXPECT_GT(darkIn(40, 37, 70, 126), 2000);  // the name, upright down the middle
  EXPECT_GT(darkIn(40, 5, 100, 20), 200);    // the code's digits in the top right
  EXPECT_EQ(darkIn(6, 9, 30, 59), 0);        // the stamp's place

  SelectObject(canvas, old);
  DeleteDC(canvas);
  DeleteObject(bitmap);
  DeleteEnhMetaFile(card);
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace mirelon
