// The list table: the whole book laid out as fixed-pitch text by the display format. The list
// window shows, copies, saves and prints exactly this text.
#pragma once

#include <string>

#include "list/display_format.h"

namespace mirelon {

class AddressBook;

// The text of the list (CP932, lines ended by CR LF), built from scratch; sets
// `format.displayedCount` to the number of records that passed the filter. Widths are in
// half-width cells, so every line of a one-column list is as wide as its slots say.
std::string BuildListText(const AddressBook& book, DisplayFormat& format);

}  // namespace mirelon
