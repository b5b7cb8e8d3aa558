// What a card shows: cells of text at places in millimetres, and how the fitted columns become
// cells. The renderer draws exactly these; the tests measure exactly these.
#pragma once

#include <string>
#include <vector>

#include "cards/column_fit.h"
#include "cards/vertical_text.h"

namespace mirelon {

enum class CellOrientation {
  Upright,     // characters upright down a column (vertical writing)
  SideBySide,  // set across: a 縦中横 pair, a code digit in its box, a line of horizontal text
  Turned,      // a horizontal text turned to read downwards (a Latin word in a column)
};

enum class CellFont {
  Mincho,  // names and addresses
  Gothic,  // postal-code digits and notes
};

// x is the middle of the cell across the card; y is its top. Upright and Turned cells run down
// from y, SideBySide cells across, centred on x. Every character is as long as its CP932 bytes
// in half ems: the fonts are of fixed pitch.
struct CardCell {
  std::string text;  // CP932
  double x = 0;
  double y = 0;
  double sizePt = 0;
  CellOrientation orientation = CellOrientation::Upright;
  double scale = 1.0;  // along the text's own line: below 1 condensed
  CellFont font = CellFont::Mincho;
};

struct CellRect {
  double left;
  double top;
  double right;
  double bottom;
};
CellRect CellExtent(const CardCell& cell);

double PointsToMm(double points);

// Places units [column.begin, column.end) as a column whose middle is `x` and top `top`, with
// `extraMm` added between units (a spaced name: one cell per unit). Returns the column's bottom.
double PlaceColumn(const std::vector<TextUnit>& units, const FittedColumn& column, double x, double top,
                   double extraMm, std::vector<CardCell>& cells);

// How an address's two lines go into columns: the first line's first column by `first` at `top`,
// every other column by `next` at `nextTop`; the second line gets one column fewer than the first
// and is never larger than the first.
struct AddressLineRules {
  ColumnRule first;
  ColumnRule next;
  int maxColumns;
  double top;
  double nextTop;
  double gapMm;
};

// Columns set from right to left, each `gapMm` from the one before.
class ColumnRow {
 public:
  explicit ColumnRow(double rightEdge) : rightEdge_(rightEdge) {}
  // Adds the fitted columns in order, the first at `firstTop`, the others at `nextTop`. Returns
  // the bottom of the longest.
  double Add(const std::vector<TextUnit>& units, const std::vector<FittedColumn>& columns, double firstTop,
             double nextTop, double gapMm, std::vector<CardCell>& cells);
  void AddAddress(const std::vector<TextUnit>& line1, const std::vector<TextUnit>& line2,
                  const AddressLineRules& rules, std::vector<CardCell>& cells);
  void Skip(double mm) { rightEdge_ -= mm; }
  double rightEdge() const { return rightEdge_; }

 private:
  double rightEdge_;
};

}  // namespace mirelon
