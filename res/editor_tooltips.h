// The editor's tooltip texts (UTF-8, CR LF line breaks), one entry per group of controls.
#pragma once

#include "res/tooltip_entry.h"

namespace mirelon::res {

const std::vector<TooltipEntry>& EditorTooltips();

}  // namespace mirelon::res
