#include "gui/cards/card_drawing.h"

#include <cairo.h>

namespace mirelon {

void DrawCardOnDc(wxDC& dc, const CardLayout& layout, const CardRenderOptions& options,
                              wxPoint2DDouble origin, double unitsPerMm) {
  auto* cr = static_cast<cairo_t*>(dc.GetHandle());
  if (cr == nullptr) return;
  cairo_save(cr);
  cairo_translate(cr, origin.m_x, origin.m_y);
  cairo_scale(cr, unitsPerMm, unitsPerMm);
  RenderCard(cr, layout, options);
  cairo_restore(cr);
}

}  // namespace mirelon
