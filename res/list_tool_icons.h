// The list window's tool bar pictures, 16 × 15 pixels each, as XPM text (no wx needed to hold
// them; the frame turns them into bitmaps).
#pragma once

#include "res/list_resources.h"

namespace mirelon::res {

// The XPM lines of a tool bar command's picture; nullptr for a command without one.
const char* const* ListToolIcon(int command);

}  // namespace mirelon::res
