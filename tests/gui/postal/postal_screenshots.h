// The postal windows for the screenshot program; `capture` writes one window's PNG.
#pragma once

#include <functional>

class wxWindow;

namespace mirelon {

void CapturePostalWindows(const std::function<void(wxWindow*, const char*)>& capture);

}  // namespace mirelon
