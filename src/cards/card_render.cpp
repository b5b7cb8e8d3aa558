#include "cards/card_render.h"

#include <cairo-pdf.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_map>

#include "text/cp932.h"

namespace mirelon {

namespace {

constexpr double kBoxLineMm = 0.3;
constexpr double kEdgeLineMm = 0.2;
constexpr double kScaleLineMm = 0.12;

template <typename T, void (*Free)(T*)>
struct Deleter {
  void operator()(T* p) const { Free(p); }
};
void UnrefObject(void* object) { g_object_unref(object); }
using ContextPtr = std::unique_ptr<PangoContext, Deleter<void, UnrefObject>>;
using LayoutPtr = std::unique_ptr<PangoLayout, Deleter<void, UnrefObject>>;
using FontPtr = std::unique_ptr<PangoFontDescription, Deleter<PangoFontDescription, pango_font_description_free>>;

// One context per direction; layouts are reused from cell to cell.
class CellPainter {
 public:
  explicit CellPainter(cairo_t* cr)
      : cr_(cr),
        vertical_(NewContext(PANGO_GRAVITY_EAST)),
        horizontal_(NewContext(PANGO_GRAVITY_SOUTH)),
        verticalLayout_(pango_layout_new(vertical_.get())),
        horizontalLayout_(pango_layout_new(horizontal_.get())),
        font_(pango_font_description_new()) {}

  void Paint(const CardCell& cell) {
    const bool vertical = cell.orientation == CellOrientation::Upright;
    PangoContext* context = vertical ? vertical_.get() : horizontal_.get();
    PangoLayout* layout = vertical ? verticalLayout_.get() : horizontalLayout_.get();
    cairo_save(cr_);
    const double em = PointsToMm(cell.sizePt);
    if (cell.orientation == CellOrientation::SideBySide) {
      Prepare(layout, cell);
      PangoRectangle ink;
      pango_layout_get_extents(layout, &ink, nullptr);
      // Centred by its ink: a digit sits in the middle of its box.
      const double inkX = pango_units_to_double(ink.x + ink.width / 2) * cell.scale;
      const double inkY = pango_units_to_double(ink.y + ink.height / 2);
      cairo_translate(cr_, cell.x - inkX, cell.y + em / 2 - inkY);
      cairo_scale(cr_, cell.scale, 1);
    } else {
      // The layout's lines run down the page; its height is the column's width.
      cairo_translate(cr_, cell.x, cell.y);
      cairo_rotate(cr_, M_PI / 2);
      Prepare(layout, cell);
      PangoRectangle logical;
      pango_layout_get_extents(layout, nullptr, &logical);
      cairo_translate(cr_, 0, -pango_units_to_double(logical.y + logical.height / 2));
      cairo_scale(cr_, cell.scale, 1);
    }
    pango_cairo_update_context(cr_, context);
    pango_layout_context_changed(layout);
    cairo_move_to(cr_, 0, 0);
    pango_cairo_show_layout(cr_, layout);
    cairo_restore(cr_);
  }

 private:
  ContextPtr NewContext(PangoGravity gravity) {
    ContextPtr context(pango_font_map_create_context(pango_cairo_font_map_get_default()));
    pango_context_set_base_gravity(context.get(), gravity);
    pango_context_set_gravity_hint(context.get(), PANGO_GRAVITY_HINT_NATURAL);
    pango_context_set_round_glyph_positions(context.get(), FALSE);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    pango_cairo_context_set_font_options(context.get(), options);
    cairo_font_options_destroy(options);
    return context;
  }

  void Prepare(PangoLayout* layout, const CardCell& cell) {
    pango_font_description_set_family(font_.get(), cell.font == CellFont::Gothic ? kGothicFamily : kMinchoFamily);
    pango_font_description_set_absolute_size(font_.get(), PointsToMm(cell.sizePt) * PANGO_SCALE);
    pango_layout_set_font_description(layout, font_.get());
    const std::string utf8 = Cp932ToUtf8(cell.text);
    pango_layout_set_text(layout, utf8.data(), static_cast<int>(utf8.size()));
  }

  cairo_t* cr_;
  ContextPtr vertical_;
  ContextPtr horizontal_;
  LayoutPtr verticalLayout_;
  LayoutPtr horizontalLayout_;
  FontPtr font_;
};

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

struct FontCoverage::Fonts {
  ContextPtr context{pango_font_map_create_context(pango_cairo_font_map_get_default())};
  LayoutPtr layout{pango_layout_new(context.get())};
  std::unordered_map<char16_t, bool> known;
};

FontCoverage::FontCoverage() : fonts_(std::make_unique<Fonts>()) {
  FontPtr font(pango_font_description_from_string(kMinchoFamily));
  pango_layout_set_font_description(fonts_->layout.get(), font.get());
}

FontCoverage::~FontCoverage() = default;

bool FontCoverage::Covers(char16_t c) const {
  const auto found = fonts_->known.find(c);
  if (found != fonts_->known.end()) return found->second;
  const std::string utf8 = Cp932ToUtf8(Utf16ToCp932(std::u16string(1, c)).bytes);
  pango_layout_set_text(fonts_->layout.get(), utf8.data(), static_cast<int>(utf8.size()));
  const bool covered = pango_layout_get_unknown_glyphs_count(fonts_->layout.get()) == 0;
  fonts_->known.emplace(c, covered);
  return covered;
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
      cairo_rotate(cr, M_PI);
    }
  }
  if (layout.outline) DrawCard(cr, false);
  if (!layout.boxesPreprinted) DrawBoxes(cr, layout.boxes);
  DrawLines(cr, layout.lines);
  cairo_set_source_rgb(cr, 0, 0, 0);
  CellPainter painter(cr);
  for (const CardCell& cell : layout.cells) painter.Paint(cell);
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
