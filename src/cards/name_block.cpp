#include "cards/name_block.h"

#include <algorithm>

namespace mirelon {

namespace {

constexpr double kColumnGapEm = 0.35;
constexpr double kHonorificGapEm = 0.6;
constexpr double kMaxExtraEm = 0.5;
constexpr double kTitlePt = 11.0;
constexpr double kTitleGapMm = 2.0;
constexpr double kSizeStepPt = 0.5;
// A space between family and given name is half as long as a character.
constexpr double kNameSpaceEm = 0.5;

struct NameColumn {
  std::vector<TextUnit> name;
  std::vector<TextUnit> honorific;
  size_t givenStart = 0;  // the first unit after the family name's space; 0 when there is none
};

NameColumn MakeColumn(const NameEntry& entry) {
  NameColumn column{entry.name, entry.honorific, 0};
  for (size_t k = 0; k < column.name.size(); ++k) {
    if (!column.name[k].blank) continue;
    column.name[k].lengthEm = kNameSpaceEm;
    if (column.givenStart == 0 && k > 0) column.givenStart = k + 1;
  }
  return column;
}

double Length(const std::vector<TextUnit>& units, size_t begin, size_t end, double em, double extra) {
  if (begin >= end) return 0;
  return UnitsLengthEm(units, begin, end) * em + static_cast<double>(end - begin - 1) * extra;
}

// Where each column's name starts and where the honorifics start, for size `em` and spacing `extra`.
struct Placement {
  std::vector<double> starts;
  double honorificTop;
  double bottom;
};

Placement Place(const std::vector<NameColumn>& columns, double nameTop, double em, double extra) {
  Placement placement{{}, nameTop, nameTop};
  const NameColumn& main = columns.front();
  const double mainEnd = nameTop + Length(main.name, 0, main.name.size(), em, extra);
  const double givenTop = main.givenStart == 0 ? 0 : nameTop + Length(main.name, 0, main.givenStart, em, extra) + extra;
  double end = nameTop;
  for (const NameColumn& column : columns) {
    const double length = Length(column.name, 0, column.name.size(), em, extra);
    double start = nameTop;
    if (&column != &main) {
      // A joint name's given name lines up with the main given name, or else the joint name ends
      // where the main name ends.
      const double family = column.givenStart == 0 ? 0 : Length(column.name, 0, column.givenStart, em, extra) + extra;
      start = std::max(nameTop, main.givenStart != 0 ? givenTop - family : mainEnd - length);
    }
    placement.starts.push_back(start);
    end = std::max(end, start + length);
  }
  placement.honorificTop = end + kHonorificGapEm * em + extra;
  placement.bottom = end;
  for (const NameColumn& column : columns) {
    const double length = Length(column.honorific, 0, column.honorific.size(), em, extra);
    placement.bottom = std::max(placement.bottom, placement.honorificTop + length);
  }
  return placement;
}

double BlockWidth(size_t count, double em) {
  return static_cast<double>(count) * em + static_cast<double>(count - 1) * kColumnGapEm * em;
}

}  // namespace

double AddNameBlock(const std::vector<NameEntry>& entries, const std::vector<TextUnit>& title,
                    const NameBlockRoom& room, std::vector<CardCell>& cells) {
  if (entries.empty()) return 0;
  std::vector<NameColumn> columns;
  for (const NameEntry& entry : entries) columns.push_back(MakeColumn(entry));

  const double titleLength = UnitsLengthEm(title, 0, title.size()) * PointsToMm(kTitlePt);
  const double nameTop = title.empty() ? room.top : room.top + titleLength + kTitleGapMm;

  // The largest size whose columns fit across and whose names and honorifics fit down: centred
  // on centreX where the smallest size allows, else moved off it, else smaller still.
  auto largestFitting = [&](double across) {
    double size = room.nominalPt;
    auto fits = [&](double pt) {
      const double em = PointsToMm(pt);
      return BlockWidth(columns.size(), em) <= across && Place(columns, nameTop, em, 0).bottom <= room.bottom;
    };
    while (size - kSizeStepPt >= room.minimumPt && !fits(size)) size -= kSizeStepPt;
    return fits(size) ? size : 0.0;
  };
  double size = largestFitting(2 * std::min(room.centreX - room.left, room.right - room.centreX));
  if (size == 0) size = largestFitting(room.right - room.left);
  if (size == 0) size = room.minimumPt;
  // Below the smallest size only as far as the block must to stay within its room, across and down:
  // a name too long for the card never runs off it.
  const auto fitsRoom = [&](double pt) {
    const double em = PointsToMm(pt);
    return BlockWidth(columns.size(), em) <= room.right - room.left && Place(columns, nameTop, em, 0).bottom <= room.bottom;
  };
  while (size > kSizeStepPt && !fitsRoom(size)) size -= kSizeStepPt;
  const double em = PointsToMm(size);

  // Spacing that stretches the main column towards `fill` of the room, never past its bottom.
  const NameColumn& main = columns.front();
  const double natural = Place(columns, nameTop, em, 0).bottom - nameTop;
  const size_t steps = main.name.size() + main.honorific.size();
  double extra = 0;
  if (steps > 1) {
    const double wanted = (room.fill * (room.bottom - nameTop) - natural) / static_cast<double>(steps - 1);
    extra = std::clamp(wanted, 0.0, kMaxExtraEm * em);
  }
  while (extra > 0 && Place(columns, nameTop, em, extra).bottom > room.bottom) extra = std::max(0.0, extra - 0.1);
  const Placement placement = Place(columns, nameTop, em, extra);

  const double width = BlockWidth(columns.size(), em);
  const double centre = std::clamp(room.centreX, room.left + width / 2, room.right - width / 2);
  double x = centre + width / 2 - em / 2;
  if (!title.empty()) {
    const FittedColumn titleColumn{0, title.size(), {kTitlePt, 1.0}};
    PlaceColumn(title, titleColumn, x, room.top, 0, cells);
  }
  for (size_t c = 0; c < columns.size(); ++c) {
    const NameColumn& column = columns[c];
    PlaceColumn(column.name, {0, column.name.size(), {size, 1.0}}, x, placement.starts[c], extra, cells);
    PlaceColumn(column.honorific, {0, column.honorific.size(), {size, 1.0}}, x, placement.honorificTop, extra,
                cells);
    x -= em * (1 + kColumnGapEm);
  }
  return size;
}

}  // namespace mirelon
