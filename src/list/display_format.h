// How the list table is laid out: three display lines of ten (item, width) slots, the columns,
// numbering, left space and the record filter. One instance serves the whole process.
#pragma once

#include <array>
#include <cstdint>

namespace mirelon {

inline constexpr int kListLineCount = 3;
inline constexpr int kListSlotsPerLine = 10;
inline constexpr int kListSlotCount = kListLineCount * kListSlotsPerLine;

// Slot k of the flat arrays is line k / 10 + 1, slot k % 10 + 1.
constexpr int ListSlotIndex(int line, int slot) { return (line - 1) * kListSlotsPerLine + (slot - 1); }

// The 16-bit fields hold whatever the registry or a format file gave; nothing here is range
// checked. The list builder gives every out-of-range value a defined meaning.
struct DisplayFormat {
  std::array<int16_t, kListSlotCount> itemWidth{};  // half-width cells; 0 or less hides the slot
  std::array<int16_t, kListSlotCount> itemKind{};   // ListItemKind codes
  std::array<int16_t, kListLineCount> lineShown{};  // non-zero: the line is shown
  int16_t columnLayout = 1;  // 1-4: columns in Z order; 5-7: 2-4 columns in И order
  int16_t leftSpace = 0;
  int16_t numbering = 0;     // 0 sequential, 1 page number, 2 none
  int16_t filter = 0;        // 0 all, 1-6 the send-state filters
  int32_t displayedCount = 0;  // records listed by the last build; never stored

  bool operator==(const DisplayFormat&) const = default;
};

// What the list shows when the user has never set a format (or switched everything off): one line
// of name 10, postal code 8 and the composed address 48.
DisplayFormat BuiltInDisplayFormat();

}  // namespace mirelon
