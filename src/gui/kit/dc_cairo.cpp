#include "gui/kit/dc_cairo.h"

#ifdef __WXMSW__
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/dcprint.h>
// wx's own way in to the Windows headers, after wx's (their macros rename its methods).
#include <wx/msw/wrapwin.h>

#include <cairo-win32.h>
#else
#include <wx/graphics.h>
#endif

namespace mirelon {

#ifdef __WXMSW__

// The surface over the DC's handle, its state saved and given back afterwards; the device units
// are used as they are (MM_TEXT), as on GTK.
struct DcCairo::Owner {
  HDC hdc = nullptr;
  int saved = 0;
  cairo_surface_t* surface = nullptr;
};

DcCairo::DcCairo(wxDC& dc) : owner_(std::make_unique<Owner>()) {
  const bool printer = dc.IsKindOf(wxCLASSINFO(wxPrinterDC));
  if (!printer && !dc.IsKindOf(wxCLASSINFO(wxMemoryDC)) && !dc.IsKindOf(wxCLASSINFO(wxWindowDC))) return;
  owner_->hdc = static_cast<HDC>(dc.GetHDC());
  if (owner_->hdc == nullptr) return;
  owner_->saved = SaveDC(owner_->hdc);
  SetMapMode(owner_->hdc, MM_TEXT);
  owner_->surface =
      printer ? cairo_win32_printing_surface_create(owner_->hdc) : cairo_win32_surface_create(owner_->hdc);
  context_ = cairo_create(owner_->surface);
}

DcCairo::~DcCairo() {
  if (context_ != nullptr) cairo_destroy(context_);
  if (owner_->surface != nullptr) {
    cairo_surface_finish(owner_->surface);
    cairo_surface_destroy(owner_->surface);
  }
  if (owner_->saved != 0) RestoreDC(owner_->hdc, owner_->saved);
}

#else

struct DcCairo::Owner {
  std::unique_ptr<wxGraphicsContext> graphics;
};

DcCairo::DcCairo(wxDC& dc) : owner_(std::make_unique<Owner>()) {
  wxGraphicsRenderer* renderer = wxGraphicsRenderer::GetCairoRenderer();
  if (renderer == nullptr) return;
  owner_->graphics.reset(renderer->CreateContextFromUnknownDC(dc));
  if (owner_->graphics) context_ = static_cast<cairo_t*>(owner_->graphics->GetNativeContext());
}

DcCairo::~DcCairo() = default;

#endif

}  // namespace mirelon
