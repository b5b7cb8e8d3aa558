// A cairo context over a wx DC (a window's, a memory bitmap's or a printer's), for drawing that
// must look the same on screen, on paper and in PDF files. On GTK it comes from wx's cairo
// renderer; on Windows from the DC's own handle, through cairo's Windows surfaces (its printing
// surface for a printer), whether or not wx was built with cairo.
#pragma once

#include <cairo.h>
#include <wx/dc.h>

#include <memory>

namespace mirelon {

class DcCairo {
 public:
  explicit DcCairo(wxDC& dc);
  ~DcCairo();
  DcCairo(const DcCairo&) = delete;
  DcCairo& operator=(const DcCairo&) = delete;

  // Null when the DC gives no cairo context (nothing is drawn then).
  cairo_t* Context() const { return context_; }

 private:
  struct Owner;
  std::unique_ptr<Owner> owner_;
  cairo_t* context_ = nullptr;
};

}  // namespace mirelon
