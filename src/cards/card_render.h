// Draws a laid-out card with Pango on any cairo context: a window's (wxDC::GetHandle() on GTK 3),
// a printer's, a PDF surface or an image. Vertical text uses the base gravity EAST with the
// NATURAL hint, so the fonts' own vertical glyphs (hyphens, long vowel marks, brackets) apply.
#pragma once

#include <cairo.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "book/safe_file.h"
#include "cards/card_check.h"
#include "cards/card_layout.h"

namespace mirelon {

inline constexpr const char* kMinchoFamily = "IPAMincho";
inline constexpr const char* kGothicFamily = "IPAGothic";

struct CardRenderOptions {
  // The preview: the card as paper with its edge, and the boxes printed on it shown pale, as the
  // card's reader sees it (not turned; the print moved by the offsets against the paper). Printing
  // leaves the card's own printing alone; boxes the program draws (plain paper) are always drawn.
  bool preview = false;
};

// Draws onto `cr`, whose user space the caller has set to millimetres on the paper with the origin
// at its top-left corner. The state of `cr` is restored afterwards. A character no font has is
// drawn as the font's box for an unknown character, never left out (the check before printing
// names it: FontCoverage).
void RenderCard(cairo_t* cr, const CardLayout& layout, const CardRenderOptions& options);

// The check's answer to which characters print: the Mincho family of the cards with the system's
// fallback fonts, as the renderer itself draws them.
class FontCoverage final : public GlyphCoverage {
 public:
  FontCoverage();
  ~FontCoverage() override;
  bool Covers(char16_t c) const override;

 private:
  struct Fonts;
  std::unique_ptr<Fonts> fonts_;
};

// One page of card size per layout into a PDF file, replaced only when complete. FileIoResult::Done,
// or why the file could not be written.
FileIoResult WriteCardsPdf(const std::filesystem::path& path, const std::vector<CardLayout>& cards);

}  // namespace mirelon
