// Which editor template start-up takes (no wx): the compact one on the switch "/s" or "-s"
// (exact, case-sensitive, first argument only) or on a primary screen at most 640 pixels wide.
#pragma once

#include <string_view>

namespace mirelon {

inline constexpr int kCompactScreenWidth = 640;

int ChooseEditorTemplate(std::string_view firstArgument, int screenWidth);

}  // namespace mirelon
