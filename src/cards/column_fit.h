// Fitting vertical text into columns: a text too long for its column first shrinks down to a
// smallest size, then condenses along the column down to kMinimumCondense, and only then breaks
// into the next column — at a building name or a 市区町村 boundary where it can, never inside a
// number.
#pragma once

#include <cstddef>
#include <vector>

#include "cards/vertical_text.h"

namespace mirelon {

inline constexpr double kMinimumCondense = 0.85;
inline constexpr double kMmPerPoint = 25.4 / 72.0;

struct ColumnRule {
  double nominalPt;
  double minimumPt;
  double lengthMm;
};

struct ColumnFit {
  double sizePt;
  double scale;  // along the column; 1 is the font's own shape
};

struct FittedColumn {
  size_t begin;  // units [begin, end), blanks at both ends left out
  size_t end;
  ColumnFit fit;
};

// Lays the units into at most `maxColumns` columns: the first by `first`, the others by `next`.
// When even that is not enough the last column is condensed further rather than overflowing.
// No units (or only blanks): no column.
std::vector<FittedColumn> FitColumns(const std::vector<TextUnit>& units, const ColumnRule& first,
                                     const ColumnRule& next, int maxColumns);

// The length of units [begin, end) in ems.
double UnitsLengthEm(const std::vector<TextUnit>& units, size_t begin, size_t end);

}  // namespace mirelon
