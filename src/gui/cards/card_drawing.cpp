#include "gui/cards/card_drawing.h"

#include "gui/kit/dc_cairo.h"

namespace mirelon {

bool DrawCardOnDc(wxDC& dc, const CardLayout& layout, const CardRenderOptions& options,
                  wxPoint2DDouble origin, double unitsPerMm) {
  const DcCairo cairo(dc);
  cairo_t* cr = cairo.Context();
  if (cr == nullptr) return false;
  cairo_save(cr);
  cairo_translate(cr, origin.m_x, origin.m_y);
  cairo_scale(cr, unitsPerMm, unitsPerMm);
  RenderCard(cr, layout, options);
  cairo_restore(cr);
  return true;
}

}  // namespace mirelon
