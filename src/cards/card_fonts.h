// The two fonts a card is drawn with, loaded once from their files: the same files on every
// system (Linux takes the distribution's copies, an installed program may carry its own), so a
// card looks the same wherever it is printed. The fonts are named here and nowhere else.
#pragma once

#include <string_view>

#include "cards/card_cells.h"

struct hb_font_t;
struct _cairo_font_face;

namespace mirelon {

// IPAMincho and IPAGothic: fixed pitch, full JIS coverage, vertical forms, and a licence that lets
// the program carry them.
inline constexpr std::string_view kMinchoFile = "ipam.ttf";
inline constexpr std::string_view kGothicFile = "ipag.ttf";

// A font ready for shaping (HarfBuzz, in font units) and for drawing (cairo).
struct CardFace {
  hb_font_t* shaper = nullptr;
  _cairo_font_face* drawer = nullptr;
  double unitsPerEm = 1000;
  double ascender = 880;   // above the baseline, font units
  double descender = 120;  // below the baseline, font units
};

// The loaded face of a cell font, or nullptr when its file was not found or does not load.
const CardFace* CardFontFace(CellFont font);

}  // namespace mirelon
