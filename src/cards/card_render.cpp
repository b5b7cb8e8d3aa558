#include "cards/card_render.h"

#include <cairo-pdf.h>
#include <hb.h>

#include <algorithm>
#include <numbers>

#include "cards/card_fonts.h"
#include "text/cp932.h"

namespace mirelon {

namespace {

constexpr double kBoxLineMm = 0.3;
constexpr double kEdgeLineMm = 0.2;
constexpr double kScaleLineMm = 0.12;

// A cell's text shaped into glyphs placed in millimetres from the cell's origin, with the
// clusters that tie them to the text (a PDF's text reads back from them).
struct ShapedText {
  std::vector<cairo_glyph_t> glyphs;
  std::vector<cairo_text_cluster_t> clusters;
  // The ink of all glyphs, millimetres from the origin (y downwards); empty when nothing inks.
  double inkLeft = 0, inkTop = 0, inkRight = 0, inkBottom = 0;
  bool inked = false;
};

// Shapes `utf8` with `face`: downwards with the fonts' vertical forms for upright cells (the
// origin at the middle of the column's top), left to right otherwise (the origin on the baseline).
ShapedText Shape(const CardFace& face, const std::string& utf8, bool vertical, double emMm) {
  hb_buffer_t* buffer = hb_buffer_create();
  hb_buffer_add_utf8(buffer, utf8.data(), static_cast<int>(utf8.size()), 0, static_cast<int>(utf8.size()));
  hb_buffer_set_direction(buffer, vertical ? HB_DIRECTION_TTB : HB_DIRECTION_LTR);
  hb_buffer_set_script(buffer, HB_SCRIPT_HAN);
  hb_buffer_set_language(buffer, hb_language_from_string("ja", -1));
  hb_shape(face.shaper, buffer, nullptr, 0);
  unsigned count = 0;
  const hb_glyph_info_t* info = hb_buffer_get_glyph_infos(buffer, &count);
  const hb_glyph_position_t* position = hb_buffer_get_glyph_positions(buffer, &count);
  const double mmPerUnit = emMm / face.unitsPerEm;
  ShapedText shaped;
  double penX = 0;
  double penY = 0;  // font units, upwards
  for (unsigned i = 0; i < count; ++i) {
    const double x = (penX + position[i].x_offset) * mmPerUnit;
    const double y = -(penY + position[i].y_offset) * mmPerUnit;
    shaped.glyphs.push_back({info[i].codepoint, x, y});
    hb_glyph_extents_t extents{};
    if (hb_font_get_glyph_extents(face.shaper, info[i].codepoint, &extents) && extents.width != 0 &&
        extents.height != 0) {
      const double left = x + extents.x_bearing * mmPerUnit;
      const double top = y - extents.y_bearing * mmPerUnit;
      const double right = left + extents.width * mmPerUnit;
      const double bottom = top - extents.height * mmPerUnit;
      shaped.inkLeft = shaped.inked ? std::min(shaped.inkLeft, left) : left;
      shaped.inkTop = shaped.inked ? std::min(shaped.inkTop, top) : top;
      shaped.inkRight = shaped.inked ? std::max(shaped.inkRight, right) : right;
      shaped.inkBottom = shaped.inked ? std::max(shaped.inkBottom, bottom) : bottom;
      shaped.inked = true;
    }
    penX += position[i].x_advance;
    penY += position[i].y_advance;
    // Glyphs of one cluster share their text.
    if (i == 0 || info[i - 1].cluster != info[i].cluster) shaped.clusters.push_back({0, 0});
    ++shaped.clusters.back().num_glyphs;
  }
  // Each cluster's bytes run to the start of the next one.
  for (size_t c = 0, g = 0; c < shaped.clusters.size(); g += static_cast<size_t>(shaped.clusters[c].num_glyphs), ++c) {
    const size_t nextGlyph = g + static_cast<size_t>(shaped.clusters[c].num_glyphs);
    const unsigned end = nextGlyph < count ? info[nextGlyph].cluster : static_cast<unsigned>(utf8.size());
    shaped.clusters[c].num_bytes = static_cast<int>(end - info[g].cluster);
  }
  hb_buffer_destroy(buffer);
  return shaped;
}

void PaintCell(cairo_t* cr, const CardCell& cell) {
  const std::string utf8 = Cp932ToUtf8(cell.text);
  const CardFace* face = CardFontFace(cell.font);
  if (face == nullptr) return;  // no font to draw with: the check before printing says so
  const double em = PointsToMm(cell.sizePt);
  const bool upright = cell.orientation == CellOrientation::Upright;
  const ShapedText shaped = Shape(*face, utf8, upright, em);
  cairo_save(cr);
  switch (cell.orientation) {
    case CellOrientation::Upright:
      // The column's top at y, its middle at x; condensed along the column.
      cairo_translate(cr, cell.x, cell.y);
      cairo_scale(cr, 1, cell.scale);
      break;
    case CellOrientation::SideBySide: {
      // Centred by its ink: a digit sits in the middle of its box.
      const double inkX = shaped.inked ? (shaped.inkLeft + shaped.inkRight) / 2 * cell.scale : 0;
      const double inkY = shaped.inked ? (shaped.inkTop + shaped.inkBottom) / 2 : 0;
      cairo_translate(cr, cell.x - inkX, cell.y + em / 2 - inkY);
      cairo_scale(cr, cell.scale, 1);
      break;
    }
    case CellOrientation::Turned: {
      // A line turned to read downwards, the middle of its line box on x.
      const double mmPerUnit = em / face->unitsPerEm;
      cairo_translate(cr, cell.x, cell.y);
      cairo_rotate(cr, std::numbers::pi / 2);
      cairo_translate(cr, 0, (face->ascender - face->descender) / 2 * mmPerUnit);
      cairo_scale(cr, cell.scale, 1);
      break;
    }
  }
  cairo_set_font_face(cr, face->drawer);
  cairo_set_font_size(cr, em);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
  cairo_show_text_glyphs(cr, utf8.data(), static_cast<int>(utf8.size()), shaped.glyphs.data(),
                         static_cast<int>(shaped.glyphs.size()), shaped.clusters.data(),
                         static_cast<int>(shaped.clusters.size()), cairo_text_cluster_flags_t{});
  cairo_restore(cr);
}

void DrawBoxes(cairo_t* cr, const std::vector<BoxRect>& boxes) {
  cairo_set_source_rgb(cr, 0.95, 0.55, 0.55);
  cairo_set_line_width(cr, kBoxLineMm);
  for (const BoxRect& box : boxes) cairo_rectangle(cr, box.left, box.top, box.width, box.height);
  cairo_stroke(cr);
}

void DrawCard(cairo_t* cr, bool fill) {
  cairo_rectangle(cr, 0, 0, kCardWidthMm, kCardHeightMm);
  if (fill) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill_preserve(cr);
  }
  cairo_set_source_rgb(cr, 0.6, 0.6, 0.6);
  cairo_set_line_width(cr, kEdgeLineMm);
  cairo_stroke(cr);
}

void DrawLines(cairo_t* cr, const std::vector<CardLine>& lines) {
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_line_width(cr, kScaleLineMm);
  for (const CardLine& line : lines) {
    cairo_move_to(cr, line.x1, line.y1);
    cairo_line_to(cr, line.x2, line.y2);
  }
  cairo_stroke(cr);
}

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

bool FontCoverage::Covers(char16_t c) const {
  const CardFace* face = CardFontFace(CellFont::Mincho);
  hb_codepoint_t glyph = 0;
  return face != nullptr && hb_font_get_nominal_glyph(face->shaper, c, &glyph) && glyph != 0;
}

void RenderCard(cairo_t* cr, const CardLayout& layout, const CardRenderOptions& options) {
  cairo_save(cr);
  if (options.preview) {
    // The card as its reader holds it: the paper and the boxes printed on it stay put, and what the
    // printer adds lands moved by the offsets (the other way when the card goes in upside down).
    DrawCard(cr, true);
    if (layout.boxesPreprinted) DrawBoxes(cr, layout.boxes);
    const double towardsReader = layout.rotate180 ? -1 : 1;
    cairo_translate(cr, towardsReader * layout.offsetXMm, towardsReader * layout.offsetYMm);
  } else {
    // The same transformation as ToPaper: turned about the card's middle, then moved by the offsets.
    cairo_translate(cr, layout.offsetXMm, layout.offsetYMm);
    if (layout.rotate180) {
      cairo_translate(cr, kCardWidthMm, kCardHeightMm);
      cairo_rotate(cr, std::numbers::pi);
    }
  }
  if (layout.outline) DrawCard(cr, false);
  if (!layout.boxesPreprinted) DrawBoxes(cr, layout.boxes);
  DrawLines(cr, layout.lines);
  cairo_set_source_rgb(cr, 0, 0, 0);
  for (const CardCell& cell : layout.cells) PaintCell(cr, cell);
  cairo_restore(cr);
}

FileIoResult WriteCardsPdf(const std::filesystem::path& path, const std::vector<CardLayout>& cards) {
  constexpr double kPointsPerMm = 72.0 / 25.4;
  std::string pdf;
  cairo_surface_t* surface =
      cairo_pdf_surface_create_for_stream(AppendToString, &pdf, kCardWidthMm * kPointsPerMm, kCardHeightMm * kPointsPerMm);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, kPointsPerMm, kPointsPerMm);
  for (const CardLayout& card : cards) {
    RenderCard(cr, card, CardRenderOptions{});
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  const bool drawn = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  if (!drawn) return FileIoResult::IoFailed;
  return ReplaceFile(path, pdf);
}

}  // namespace mirelon
