// The address side of one card: from a record, the sender and the settings to the cells and
// boxes that the renderer draws. Card coordinates are millimetres from the top-left corner of the
// address side; ToPaper moves them to the paper as the printer takes it (180°, offsets).
#pragma once

#include <vector>

#include "book/address_record.h"
#include "cards/card_cells.h"
#include "cards/card_settings.h"
#include "cards/card_stock.h"

namespace mirelon {

struct CardLayout {
  std::vector<CardCell> cells;
  // The boxes of the stock: printed on the card, drawn by the program on plain paper.
  std::vector<BoxRect> boxes;
  bool boxesPreprinted = true;
  bool outline = false;  // the calibration sheet draws the card's edge
  bool rotate180 = false;
  double offsetXMm = 0;
  double offsetYMm = 0;
  // The record's postal code is neither empty nor 3, 5 or 7 digits: its boxes stay empty.
  bool postalCodeUnreadable = false;
};

CardLayout LayoutCard(const AddressRecord& record, const CardSettings& settings);

// A sheet for plain paper held against a real card: the card's edge, every box with a digit in
// it, and the offsets in use.
CardLayout LayoutCalibrationSheet(const CardSettings& settings);

struct PaperPoint {
  double x;
  double y;
};
PaperPoint ToPaper(const CardLayout& layout, double x, double y);

}  // namespace mirelon
