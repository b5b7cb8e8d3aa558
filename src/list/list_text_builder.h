// The list table: the whole book laid out as fixed-pitch text by the display format. The list
// window shows, copies, saves and prints exactly this text.
#pragma once

#include <string>

#include "list/display_format.h"

namespace mirelon {

class AddressBook;

// The widest slot and the widest left space the list lays out; wider values are laid out at this
// width. The format dialog allows 150 and 8, but the registry and format files may carry any
// 16-bit value, and a full book of 32767-cell slots would be gigabytes of text. 999 is the widest
// width an item value in the registry can keep, so every slot the registry holds lays out as stored.
inline constexpr int kMaxListCells = 999;

// The text of the list (CP932, lines ended by CR LF), built from scratch; sets
// `format.displayedCount` to the number of records that passed the filter. Widths are in
// half-width cells, so every line of a one-column list is as wide as its slots say.
std::string BuildListText(const AddressBook& book, DisplayFormat& format);

}  // namespace mirelon
