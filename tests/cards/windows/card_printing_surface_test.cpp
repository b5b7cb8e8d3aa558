// A card as a Windows printer receives it: cairo's Windows printing surface turns the drawing
// into GDI calls (the FreeType glyphs as outlines), recorded in an enhanced metafile and played
// back on a bitmap, where the ink is looked at.
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

TEST(CardPrintingSurface, ThePrinterGetsTheNameAndTheCode) {
  AddressRecord record;
  record.postalCode = Sjis("100-0001");
  record.address1 = Sjis("東京都千代田区千代田1-1");
  record.name = Sjis("青木　一郎");
  HDC screen = GetDC(nullptr);
  const RECT frame{0, 0, static_cast<LONG>(kCardWidthMm * 100), static_cast<LONG>(kCardHeightMm * 100)};
  HDC recording = CreateEnhMetaFileW(screen, nullptr, &frame, nullptr);
  // The surface draws within the DC's clip box, which a printer's DC has from its paper.
  const double unitsPerMm = GetDeviceCaps(screen, LOGPIXELSX) / 25.4;
  IntersectClipRect(recording, 0, 0, static_cast<int>(kCardWidthMm * unitsPerMm) + 1,
                    static_cast<int>(kCardHeightMm * unitsPerMm) + 1);
  cairo_surface_t* surface = cairo_win32_printing_surface_create(recording);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, unitsPerMm, unitsPerMm);
  RenderCard(cr, LayoutCard(record, CardSettings{}), {});
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  cairo_surface_destroy(surface);
  HENHMETAFILE card = CloseEnhMetaFile(recording);

  const int width = static_cast<int>(kCardWidthMm) * kPixelsPerMm;
  const int height = static_cast<int>(kCardHeightMm) * kPixelsPerMm;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC canvas = CreateCompatibleDC(screen);
  HGDIOBJ old = SelectObject(canvas, bitmap);
  PatBlt(canvas, 0, 0, width, height, WHITENESS);
  const RECT target{0, 0, width, height};
  EXPECT_TRUE(PlayEnhMetaFile(canvas, card, &target));
  GdiFlush();
  const auto* pixels = static_cast<const unsigned char*>(bits);
  const auto darkIn = [&](int left, int top, int right, int bottom) {  // millimetres
    int dark = 0;
    for (int y = top * kPixelsPerMm; y < bottom * kPixelsPerMm; ++y) {
      for (int x = left * kPixelsPerMm; x < right * kPixelsPerMm; ++x) dark += pixels[(y * width + x) * 4 + 1] < 128;
    }
    return dark;
  };
  EXPECT_GT(darkIn(40, 37, 70, 126), 2000);  // the name, down the middle
  EXPECT_GT(darkIn(40, 5, 100, 20), 200);    // the code's digits, top right
  EXPECT_EQ(darkIn(6, 9, 30, 59), 0);        // the stamp's place
  SelectObject(canvas, old);
  DeleteDC(canvas);
  DeleteObject(bitmap);
  DeleteEnhMetaFile(card);
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace mirelon
