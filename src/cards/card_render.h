// Draws a laid-out card on any cairo context: a window's or a printer's (through the toolkit's
// cairo renderer), a PDF surface or an image. Text is shaped with HarfBuzz on the card fonts'
// files (card_fonts.h); upright columns are shaped top to bottom, so the fonts' own vertical forms
// (hyphens, long vowel marks, brackets) apply.
#pragma once

#include <cairo.h>

#include <filesystem>
#include <vector>

#include "book/safe_file.h"
#include "cards/card_check.h"
#include "cards/card_layout.h"

namespace mirelon {

struct CardRenderOptions {
  // The preview: the card as paper with its edge, and the boxes printed on it shown pale, as the
  // card's reader sees it (not turned; the print moved by the offsets against the paper). Printing
  // leaves the card's own printing alone; boxes the program draws (plain paper) are always drawn.
  bool preview = false;
};

// Draws onto `cr`, whose user space the caller has set to millimetres on the paper with the origin
// at its top-left corner. The state of `cr` is restored afterwards. A character the font lacks is
// drawn as the font's box for an unknown character, never left out (the check before printing
// names it: FontCoverage).
void RenderCard(cairo_t* cr, const CardLayout& layout, const CardRenderOptions& options);

// The check's answer to which characters print: those the cards' Mincho font has a glyph for.
class FontCoverage final : public GlyphCoverage {
 public:
  bool Covers(char16_t c) const override;
};

// One page of card size per layout into a PDF file, replaced only when complete. FileIoResult::Done,
// or why the file could not be written.
FileIoResult WriteCardsPdf(const std::filesystem::path& path, const std::vector<CardLayout>& cards);

}  // namespace mirelon
