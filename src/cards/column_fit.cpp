#include "cards/column_fit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace mirelon {

namespace {

struct Range {
  size_t begin;
  size_t end;
  bool empty() const { return begin >= end; }
};

Range Trimmed(const std::vector<TextUnit>& units, size_t begin, size_t end) {
  while (begin < end && units[begin].blank) ++begin;
  while (end > begin && units[end - 1].blank) --end;
  return {begin, end};
}

ColumnFit ForcedFit(double lengthEm, const ColumnRule& rule) {
  const double natural = lengthEm * rule.minimumPt * kMmPerPoint;
  return {rule.minimumPt, natural > 0 ? std::min(1.0, rule.lengthMm / natural) : 1.0};
}

// How a text of `lengthEm` fits one column, or nothing when it would need condensing further.
std::optional<ColumnFit> FitLength(double lengthEm, const ColumnRule& rule) {
  const double available = rule.lengthMm;
  if (lengthEm * rule.nominalPt * kMmPerPoint <= available) return ColumnFit{rule.nominalPt, 1.0};
  if (lengthEm * rule.minimumPt * kMmPerPoint <= available) {
    // Sizes in tenths of a point: the printout's sizes stay readable numbers.
    const double size = std::floor(available / (lengthEm * kMmPerPoint) * 10) / 10;
    return ColumnFit{std::max(size, rule.minimumPt), 1.0};
  }
  const double scale = available / (lengthEm * rule.minimumPt * kMmPerPoint);
  if (scale >= kMinimumCondense) return ColumnFit{rule.minimumPt, scale};
  return std::nullopt;
}

std::optional<ColumnFit> FitRange(const std::vector<TextUnit>& units, Range range, const ColumnRule& rule) {
  return FitLength(UnitsLengthEm(units, range.begin, range.end), rule);
}

// The break for the first column of `range`: the best kind of place where the first part fits,
// within that kind the last place where it fits without condensing, else the last where it fits.
std::optional<size_t> ChooseBreak(const std::vector<TextUnit>& units, Range range, const ColumnRule& rule) {
  constexpr std::array kPreference = {BreakClass::BeforeBuilding, BreakClass::AfterMunicipality,
                                      BreakClass::Anywhere};
  for (const BreakClass kind : kPreference) {
    std::optional<size_t> fitting;
    std::optional<size_t> upright;
    for (size_t k = range.begin + 1; k < range.end; ++k) {
      if (units[k].breakBefore != kind) continue;
      const Range head = Trimmed(units, range.begin, k);
      if (head.empty() || Trimmed(units, k, range.end).empty()) continue;
      const std::optional<ColumnFit> fit = FitRange(units, head, rule);
      if (!fit) continue;
      fitting = k;
      if (fit->scale == 1.0) upright = k;
    }
    if (upright) return upright;
    if (fitting) return fitting;
  }
  return std::nullopt;
}

}  // namespace

double UnitsLengthEm(const std::vector<TextUnit>& units, size_t begin, size_t end) {
  double length = 0;
  for (size_t k = begin; k < end; ++k) length += units[k].lengthEm;
  return length;
}

std::vector<FittedColumn> FitColumns(const std::vector<TextUnit>& units, const ColumnRule& first,
                                     const ColumnRule& next, int maxColumns) {
  std::vector<FittedColumn> columns;
  Range rest = Trimmed(units, 0, units.size());
  const ColumnRule* rule = &first;
  while (!rest.empty()) {
    const bool last = static_cast<int>(columns.size()) + 1 >= maxColumns;
    const std::optional<ColumnFit> whole = FitRange(units, rest, *rule);
    const std::optional<size_t> split = whole || last ? std::nullopt : ChooseBreak(units, rest, *rule);
    if (!split) {
      const double length = UnitsLengthEm(units, rest.begin, rest.end);
      columns.push_back({rest.begin, rest.end, whole ? *whole : ForcedFit(length, *rule)});
      break;
    }
    const Range head = Trimmed(units, rest.begin, *split);
    columns.push_back({head.begin, head.end, *FitRange(units, head, *rule)});
    rest = Trimmed(units, *split, rest.end);
    rule = &next;
  }
  return columns;
}

}  // namespace mirelon
