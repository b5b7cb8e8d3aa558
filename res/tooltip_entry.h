// A dialog's tooltip texts: one entry per group of controls sharing a text (UTF-8, CR LF breaks).
#pragma once

#include <string_view>
#include <vector>

namespace mirelon::res {

struct TooltipEntry {
  std::vector<int> ids;
  std::string_view text;
};

}  // namespace mirelon::res
