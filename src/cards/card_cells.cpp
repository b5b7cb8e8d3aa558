#include "cards/card_cells.h"

#include <algorithm>

namespace mirelon {

namespace {

CellOrientation OrientationOf(UnitKind kind) {
  switch (kind) {
    case UnitKind::SideBySide: return CellOrientation::SideBySide;
    case UnitKind::Turned: return CellOrientation::Turned;
    case UnitKind::Upright: break;
  }
  return CellOrientation::Upright;
}

}  // namespace

double PointsToMm(double points) { return points * kMmPerPoint; }

CellRect CellExtent(const CardCell& cell) {
  const double em = PointsToMm(cell.sizePt);
  const double length = static_cast<double>(cell.text.size()) / 2 * em * cell.scale;
  if (cell.orientation == CellOrientation::SideBySide) {
    return {cell.x - length / 2, cell.y, cell.x + length / 2, cell.y + em};
  }
  return {cell.x - em / 2, cell.y, cell.x + em / 2, cell.y + length};
}

double PlaceColumn(const std::vector<TextUnit>& units, const FittedColumn& column, double x, double top,
                   double extraMm, std::vector<CardCell>& cells) {
  const double em = PointsToMm(column.fit.sizePt);
  double y = top;
  bool joinable = false;  // the last cell is an upright run that ends at y
  for (size_t k = column.begin; k < column.end; ++k) {
    const TextUnit& unit = units[k];
    if (k > column.begin) y += extraMm;
    const double length = unit.lengthEm * em * column.fit.scale;
    const CellOrientation orientation = OrientationOf(unit.kind);
    if (unit.blank) {
      // A space is only room: no cell, and the run before it ends.
      y += length;
      joinable = false;
      continue;
    }
    if (joinable && extraMm == 0 && orientation == CellOrientation::Upright) {
      cells.back().text += unit.text;
    } else if (orientation == CellOrientation::SideBySide) {
      // A pair set across keeps its own width and is centred on its place in a condensed column.
      cells.push_back({unit.text, x, y + em * (column.fit.scale - 1) / 2, column.fit.sizePt, orientation, 1.0,
                       CellFont::Mincho});
    } else {
      cells.push_back({unit.text, x, y, column.fit.sizePt, orientation, column.fit.scale, CellFont::Mincho});
    }
    joinable = orientation == CellOrientation::Upright;
    y += length;
  }
  return y;
}

double ColumnRow::Add(const std::vector<TextUnit>& units, const std::vector<FittedColumn>& columns,
                      double firstTop, double nextTop, double gapMm, std::vector<CardCell>& cells) {
  double bottom = firstTop;
  for (const FittedColumn& column : columns) {
    const double em = PointsToMm(column.fit.sizePt);
    const double x = rightEdge_ - em / 2;
    const double top = &column == &columns.front() ? firstTop : nextTop;
    bottom = std::max(bottom, PlaceColumn(units, column, x, top, 0, cells));
    rightEdge_ = x - em / 2 - gapMm;
  }
  return bottom;
}

void ColumnRow::AddAddress(const std::vector<TextUnit>& line1, const std::vector<TextUnit>& line2,
                           const AddressLineRules& rules, std::vector<CardCell>& cells) {
  const std::vector<FittedColumn> first = FitColumns(line1, rules.first, rules.next, rules.maxColumns);
  Add(line1, first, rules.top, rules.nextTop, rules.gapMm, cells);
  // The second line (a building, a room) is never set larger than the first.
  ColumnRule second = rules.next;
  for (const FittedColumn& column : first) second.nominalPt = std::min(second.nominalPt, column.fit.sizePt);
  second.minimumPt = std::min(second.minimumPt, second.nominalPt);
  Add(line2, FitColumns(line2, second, second, rules.maxColumns - 1), rules.nextTop, rules.nextTop, rules.gapMm,
      cells);
}

}  // namespace mirelon
