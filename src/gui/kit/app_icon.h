// The program's icon (res/mirelon.svg, embedded as PNG at build time) in its window sizes.
#pragma once

#include <wx/iconbndl.h>

namespace mirelon {

const wxIconBundle& AppIcons();

}  // namespace mirelon
