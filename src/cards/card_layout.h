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

// A straight line in card millimetres (the calibration sheet's scales).
struct CardLine {
  double x1;
  double y1;
  double x2;
  double y2;
};

struct CardLayout {
  std::vector<CardCell> cells;
  std::vector<CardLine> lines;
  // The boxes of the stock: printed on the card, drawn by the program on plain paper.
  std::vector<BoxRect> boxes;
  bool boxesPreprinted = true;
  bool outline = false;  // the calibration sheet draws the card's edge
  bool rotate180 = false;
  double offsetXMm = 0;
  double offsetYMm = 0;
  // The record's postal code is neither empty nor 3, 5 or 7 digits: its boxes stay empty.
  bool postalCodeUnreadable = false;
  // The size of the recipient's names, and of the largest address or company text (0 when none).
  double nameSizePt = 0;
  double textSizePt = 0;
};

// The name is set at least this much larger than the address and company texts where it can be.
inline constexpr double kNameToTextRatio = 1.25;

CardLayout LayoutCard(const AddressRecord& record, const CardSettings& settings);

// A sheet for plain paper held against a real card: the card's edge, every box with a digit in
// it, the offsets in use, and millimetre scales along the bottom and the right edge to measure
// the printer's shift from the paper's edges with a ruler.
CardLayout LayoutCalibrationSheet(const CardSettings& settings);

struct PaperPoint {
  double x;
  double y;
};
PaperPoint ToPaper(const CardLayout& layout, double x, double y);

}  // namespace mirelon
