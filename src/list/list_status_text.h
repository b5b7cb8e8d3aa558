// The list window's status pane: which records are listed, how they are numbered, and how many.
#pragma once

#include <string>

#include "list/display_format.h"

namespace mirelon {

// CP932, e.g. "              すべて表示  連番      0件"; the labels keep one width for every
// filter and numbering so the count stays in place.
std::string ListStatusText(const DisplayFormat& format);

}  // namespace mirelon
