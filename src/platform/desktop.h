// What the desktop shows of other programs, and the user's browser.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mirelon {

enum class WindowSearch {
  Found,
  NotFound,
  Unavailable,  // other programs' windows cannot be seen here (a Wayland session)
};

// Looks for a visible top-level window of any program whose title is exactly `title` (UTF-8,
// case-sensitive). Minimised windows count as visible.
WindowSearch FindVisibleWindow(std::string_view title);

// The argument vector that opens `page` in the user's browser (the desktop's handler of pages).
std::vector<std::string> BrowserCommand(const std::filesystem::path& page);

}  // namespace mirelon
