// The editor's tooltip texts (UTF-8, CR LF line breaks), one entry per group of controls.
#pragma once

#include <string_view>
#include <vector>

namespace mirelon::res {

struct TooltipEntry {
  std::vector<int> ids;
  std::string_view text;
};

const std::vector<TooltipEntry>& EditorTooltips();

}  // namespace mirelon::res
