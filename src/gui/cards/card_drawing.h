// A laid-out card drawn on a wx DC through cairo (gui/kit/dc_cairo.h), so the window, the
// printer and a memory bitmap share the renderer of the PDF files.
#pragma once

#include <wx/dc.h>

#include "cards/card_render.h"

namespace mirelon {

// `origin` is where the paper's top-left corner is in device units, `unitsPerMm` the device units
// in a millimetre. False, with nothing drawn, for a DC that gives no cairo context.
bool DrawCardOnDc(wxDC& dc, const CardLayout& layout, const CardRenderOptions& options,
                  wxPoint2DDouble origin, double unitsPerMm);

}  // namespace mirelon
