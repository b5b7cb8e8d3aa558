// The names of a card: the main name and the joint names in columns side by side, each with its
// own honorific, the honorifics level with each other; a short title set small above the main
// name. The block is as large as its room allows and spaced out to fill most of its height.
#pragma once

#include <vector>

#include "cards/card_cells.h"
#include "cards/vertical_text.h"

namespace mirelon {

struct NameEntry {
  std::vector<TextUnit> name;
  std::vector<TextUnit> honorific;
};

struct NameBlockRoom {
  double centreX;  // where the block's middle goes when there is room
  double left;     // the block stays between left and right
  double right;
  double top;
  double bottom;
  double nominalPt;
  double minimumPt;
  double fill;  // the share of the height the main column aims to fill by spacing its characters
};

// The first entry is the main name (rightmost); empty names are the caller's to leave out.
// The block shrinks below minimumPt only when it would not fit its room otherwise. Returns
// the size the names are set in (0 without entries).
double AddNameBlock(const std::vector<NameEntry>& entries, const std::vector<TextUnit>& title,
                  const NameBlockRoom& room, std::vector<CardCell>& cells);

}  // namespace mirelon
