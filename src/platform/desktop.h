// What the desktop shows of other programs.
#pragma once

#include <string_view>

namespace mirelon {

enum class WindowSearch {
  Found,
  NotFound,
  Unavailable,  // other programs' windows cannot be seen here (a Wayland session)
};

// Looks for a visible top-level window of any program whose title is exactly `title` (UTF-8,
// case-sensitive). Minimised windows count as visible.
WindowSearch FindVisibleWindow(std::string_view title);

}  // namespace mirelon
