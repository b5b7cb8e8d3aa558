#include "gui/cards/card_drawing.h"

#include <cairo.h>
#include <wx/graphics.h>

#include <memory>

namespace mirelon {

bool CanDrawCards() { return wxGraphicsRenderer::GetCairoRenderer() != nullptr; }

bool DrawCardOnDc(wxDC& dc, const CardLayout& layout, const CardRenderOptions& options,
                  wxPoint2DDouble origin, double unitsPerMm) {
  // wx's own cairo renderer gives a cairo context for a window's, a bitmap's or a printer's DC
  // on every toolkit; the DC's native handle is cairo only on GTK.
  wxGraphicsRenderer* renderer = wxGraphicsRenderer::GetCairoRenderer();
  if (renderer == nullptr) return false;
  const std::unique_ptr<wxGraphicsContext> context(renderer->CreateContextFromUnknownDC(dc));
  auto* cr = context ? static_cast<cairo_t*>(context->GetNativeContext()) : nullptr;
  if (cr == nullptr) return false;
  cairo_save(cr);
  cairo_translate(cr, origin.m_x, origin.m_y);
  cairo_scale(cr, unitsPerMm, unitsPerMm);
  RenderCard(cr, layout, options);
  cairo_restore(cr);
  return true;
}

}  // namespace mirelon
