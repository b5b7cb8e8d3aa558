#include "cards/card_layout.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "cards/name_block.h"
#include "cards/postal_code_cells.h"
#include "cards/sender_block.h"
#include "text/cp932.h"
#include "text/sjis.h"

namespace mirelon {

namespace {

constexpr double kCodeDigitPt = 15.0;
// The first address column's right edge lines up with the last box's.
constexpr double kAddressRight = 92.0;
constexpr double kAddressTop = 26.0;
constexpr double kNextLineDrop = 8.0;
constexpr double kColumnBottom = 136.0;
// A New-Year card's lottery strip starts below this.
constexpr double kNewYearColumnBottom = 132.0;
constexpr double kAddressGap = 1.5;
constexpr double kBlockGap = 3.0;
constexpr double kCompanyTop = 34.0;
constexpr double kCompanyGap = 1.2;
constexpr double kNameTop = 30.0;
// Above the sender's boxes, which reach under the leftmost name columns.
constexpr double kNameBottom = 125.0;
// Left of the names: the stamp area above, the sender block below, each with room to spare.
constexpr double kNameLeft = 40.0;
constexpr ColumnRule kAddressFirst{16, 11, 0};
constexpr ColumnRule kAddressNext{13, 10, 0};
constexpr ColumnRule kCompany{12, 9, 0};
constexpr int kAddressColumns = 3;
// A title up to this long goes small above the name; a longer one gets a column of its own.
constexpr double kShortTitleEm = 4;
// When the names would not come out larger than the address, the address and company texts
// shrink in these steps (of their own sizes) down to this share, never below kSmallestTextPt.
constexpr double kShrinkStep = 0.05;
constexpr int kShrinkSteps = 10;
constexpr double kSmallestTextPt = 6.0;

bool SenderIsBlank(const SenderAddress& sender) {
  for (const std::string* field : {&sender.postalCode, &sender.address1, &sender.address2, &sender.name,
                                   &sender.jointName}) {
    if (!TrimmedBlanks(*field).empty()) return false;
  }
  return true;
}

bool SenderPrinted(const CardSettings& settings) { return settings.printSender && !SenderIsBlank(settings.sender); }

CardLayout EmptyLayout(const CardSettings& settings) {
  CardLayout layout;
  layout.boxes.assign(RecipientCodeBoxes().begin(), RecipientCodeBoxes().end());
  layout.boxesPreprinted = BoxesPreprinted(settings.stock);
  layout.rotate180 = settings.rotate180;
  layout.offsetXMm = settings.offsetXTenths / 10.0;
  layout.offsetYMm = settings.offsetYTenths / 10.0;
  return layout;
}

// The sender's boxes; those the program draws move with the sender block.
void AddSenderBoxes(const CardSettings& settings, CardLayout& layout) {
  for (BoxRect box : SenderCodeBoxes()) {
    if (!layout.boxesPreprinted) {
      box.left += settings.senderOffsetXTenths / 10.0;
      box.top += settings.senderOffsetYTenths / 10.0;
    }
    layout.boxes.push_back(box);
  }
}

void AddShifted(std::vector<CardCell> cells, const CardSettings& settings, std::vector<CardCell>& to) {
  for (CardCell& cell : cells) {
    cell.x += settings.senderOffsetXTenths / 10.0;
    cell.y += settings.senderOffsetYTenths / 10.0;
    to.push_back(std::move(cell));
  }
}

ColumnRule Scaled(ColumnRule rule, double factor, double lengthMm) {
  rule.nominalPt = std::max(kSmallestTextPt, rule.nominalPt * factor);
  rule.minimumPt = std::min(rule.nominalPt, std::max(kSmallestTextPt, rule.minimumPt * factor));
  rule.lengthMm = lengthMm;
  return rule;
}

double LargestSize(const std::vector<CardCell>& cells, size_t from) {
  double largest = 0;
  for (size_t i = from; i < cells.size(); ++i) largest = std::max(largest, cells[i].sizePt);
  return largest;
}

struct AddressPart {
  double left;       // the left edge the columns leave for the names
  double largestPt;  // the largest size among them
};

// Address and company columns from the right, their sizes scaled by `factor`.
AddressPart AddAddressColumns(const AddressRecord& record, const std::vector<TextUnit>& longTitle,
                              NumberStyle style, double bottom, double factor, std::vector<CardCell>& cells) {
  const size_t first = cells.size();
  const NumberStyle addressStyle = AddressNumberStyle(style, {record.address1, record.address2});
  const AddressLineRules address{Scaled(kAddressFirst, factor, bottom - kAddressTop),
                                 Scaled(kAddressNext, factor, bottom - kAddressTop - kNextLineDrop),
                                 kAddressColumns,
                                 kAddressTop,
                                 kAddressTop + kNextLineDrop,
                                 kAddressGap};
  ColumnRow row(kAddressRight);
  row.AddAddress(FieldUnits(record.address1, addressStyle), FieldUnits(record.address2, addressStyle), address,
                 cells);
  row.Skip(kBlockGap - kAddressGap);

  const ColumnRule company = Scaled(kCompany, factor, bottom - kCompanyTop);
  double companyBottom = kCompanyTop;
  for (const std::string* line : {&record.company1, &record.company2}) {
    const std::vector<TextUnit> units = FieldUnits(*line, style);
    companyBottom = std::max(companyBottom, row.Add(units, FitColumns(units, company, company, 1), kCompanyTop,
                                                    kCompanyTop, kCompanyGap, cells));
  }
  // A long title ends level with the company lines it belongs to.
  const std::vector<FittedColumn> title = FitColumns(longTitle, company, company, 1);
  if (!title.empty()) {
    const double length = UnitsLengthEm(longTitle, title[0].begin, title[0].end) *
                          PointsToMm(title[0].fit.sizePt) * title[0].fit.scale;
    row.Add(longTitle, title, std::max(kCompanyTop, companyBottom - length), kCompanyTop, kCompanyGap, cells);
  }
  return {row.rightEdge() + kCompanyGap, LargestSize(cells, first)};
}

// The units before the name's first blank: its family name, or nothing without a blank.
std::string FamilyName(const std::vector<TextUnit>& units) {
  const auto blank = std::find_if(units.begin(), units.end(), [](const TextUnit& unit) { return unit.blank; });
  return blank == units.end() ? std::string() : JoinUnits({units.begin(), blank});
}

// 鈴木 一郎 / 鈴木 花子 / 次郎 -> 鈴木 一郎 / 花子 / 次郎, when no joint name has another family name.
void OmitRepeatedFamily(std::vector<NameEntry>& entries) {
  const std::string family = FamilyName(entries.front().name);
  if (family.empty() || entries.size() < 2) return;
  for (size_t i = 1; i < entries.size(); ++i) {
    const std::string own = FamilyName(entries[i].name);
    if (!own.empty() && own != family) return;
  }
  for (size_t i = 1; i < entries.size(); ++i) {
    std::vector<TextUnit>& name = entries[i].name;
    if (FamilyName(name).empty()) continue;
    auto given = std::find_if(name.begin(), name.end(), [](const TextUnit& unit) { return unit.blank; });
    while (given != name.end() && given->blank) ++given;
    name.erase(name.begin(), given);
  }
}

std::vector<NameEntry> NameEntries(const AddressRecord& record, const CardSettings& settings) {
  std::vector<NameEntry> entries;
  const std::pair<const std::string*, const std::string*> names[] = {
      {&record.name, &record.honorific},
      {&record.jointName1, &record.jointHonorific1},
      {&record.jointName2, &record.jointHonorific2},
      {&record.jointName3, &record.jointHonorific3},
  };
  const std::string kDefaultHonorific = Sjis("様");
  for (const auto& [name, honorific] : names) {
    if (TrimmedBlanks(*name).empty()) continue;
    const bool fill = settings.defaultHonorific && TrimmedBlanks(*honorific).empty();
    entries.push_back({FieldUnits(*name, settings.numberStyle),
                       FieldUnits(fill ? kDefaultHonorific : *honorific, settings.numberStyle)});
  }
  if (settings.omitJointFamily && !entries.empty()) OmitRepeatedFamily(entries);
  return entries;
}

double AddNames(const std::vector<NameEntry>& entries, const std::vector<TextUnit>& shortTitle, double right,
                std::vector<CardCell>& cells) {
  const std::span<const BoxRect> boxes = RecipientCodeBoxes();
  // The names stand in the middle of the card: under the first three boxes.
  const double centre = (boxes[0].left + boxes[2].left + boxes[2].width) / 2;
  const NameBlockRoom room{centre, kNameLeft, right - kBlockGap, kNameTop, kNameBottom, 26, 14, 0.75};
  return AddNameBlock(entries, shortTitle, room, cells);
}

void AddScale(CardLayout& layout, bool alongBottom) {
  // Ticks every millimetre, longer every 5 and 10, the tens numbered: along the bottom edge they
  // count from the left edge, along the right edge from the top.
  constexpr double kEdgeGap = 5.0;
  constexpr double kLabelPt = 6.0;
  const double first = alongBottom ? 5 : 25;
  const double last = alongBottom ? kCardWidthMm - kEdgeGap : 130;
  for (int mm = static_cast<int>(first); mm <= static_cast<int>(last); ++mm) {
    const double length = mm % 10 == 0 ? 4.0 : mm % 5 == 0 ? 2.5 : 1.5;
    const double at = mm;
    if (alongBottom) {
      const double base = kCardHeightMm - kEdgeGap;
      layout.lines.push_back({at, base, at, base - length});
    } else {
      const double base = kCardWidthMm - kEdgeGap;
      layout.lines.push_back({base, at, base - length, at});
    }
    if (mm % 10 != 0) continue;
    const std::string label = std::to_string(mm);
    const double em = PointsToMm(kLabelPt);
    if (alongBottom) {
      layout.cells.push_back({label, at, kCardHeightMm - kEdgeGap - 4.5 - em, kLabelPt, CellOrientation::SideBySide,
                              1.0, CellFont::Gothic});
    } else {
      layout.cells.push_back({label, kCardWidthMm - kEdgeGap - 7, at - em / 2, kLabelPt, CellOrientation::SideBySide,
                              1.0, CellFont::Gothic});
    }
  }
}

}  // namespace

CardLayout LayoutCard(const AddressRecord& record, const CardSettings& settings) {
  CardLayout layout = EmptyLayout(settings);
  const bool sender = SenderPrinted(settings);
  if (settings.stock == CardStock::NewYear || (settings.stock == CardStock::PlainPaper && sender)) {
    AddSenderBoxes(settings, layout);
  }
  const std::optional<std::string> digits = PostalCodeDigits(record.postalCode);
  layout.postalCodeUnreadable = !digits;
  AddBoxDigits(digits.value_or(""), RecipientCodeBoxes(), kCodeDigitPt, layout.cells);

  const std::vector<TextUnit> title = FieldUnits(record.position, settings.numberStyle);
  const bool shortTitle = UnitsLengthEm(title, 0, title.size()) <= kShortTitleEm;
  const std::vector<NameEntry> names = NameEntries(record, settings);
  const double bottom = settings.stock == CardStock::NewYear ? kNewYearColumnBottom : kColumnBottom;
  // The name is the largest text: the address and company shrink until it is, as far as they can.
  std::vector<CardCell> text;
  for (int step = 0; step <= kShrinkSteps; ++step) {
    text.clear();
    const AddressPart address = AddAddressColumns(record, shortTitle ? std::vector<TextUnit>{} : title,
                                                  settings.numberStyle, bottom, 1 - kShrinkStep * step, text);
    layout.textSizePt = address.largestPt;
    layout.nameSizePt = AddNames(names, shortTitle ? title : std::vector<TextUnit>{}, address.left, text);
    if (names.empty() || layout.nameSizePt >= kNameToTextRatio * layout.textSizePt) break;
  }
  layout.cells.insert(layout.cells.end(), text.begin(), text.end());
  if (sender) {
    std::vector<CardCell> block;
    AddSenderBlock(settings.sender, settings.stock, settings.numberStyle, block);
    AddShifted(std::move(block), settings, layout.cells);
  }
  return layout;
}

CardLayout LayoutCalibrationSheet(const CardSettings& settings) {
  CardLayout layout = EmptyLayout(settings);
  layout.boxesPreprinted = false;
  layout.outline = true;
  const std::string sample = "1234567";
  AddBoxDigits(sample, RecipientCodeBoxes(), kCodeDigitPt, layout.cells);
  if (HasSenderBoxes(settings.stock)) {
    AddSenderBoxes(settings, layout);
    std::vector<CardCell> digits;
    AddBoxDigits(sample, SenderCodeBoxes(), kSenderCodeDigitPt, digits);
    AddShifted(std::move(digits), settings, layout.cells);
  }
  AddScale(layout, true);
  AddScale(layout, false);

  const auto offset = [](double mm) {
    char text[64];
    std::snprintf(text, sizeof text, "%+.1f mm", mm);
    return std::string(text);
  };
  const double middle = kCardWidthMm / 2;
  const auto line = [&](const std::string& text, double y, double sizePt) {
    layout.cells.push_back({text, middle, y, sizePt, CellOrientation::SideBySide, 1.0, CellFont::Gothic});
  };
  line(Sjis("位置合わせ用紙"), 60, 14);
  line(Sjis("横 ") + offset(layout.offsetXMm) + Sjis("　縦 ") + offset(layout.offsetYMm), 68, 11);
  line(Sjis("差出人 横 ") + offset(settings.senderOffsetXTenths / 10.0) + Sjis("　縦 ") +
           offset(settings.senderOffsetYTenths / 10.0),
       74, 9);
  line(Sjis("はがきに重ねて枠と数字のずれを測るか"), 82, 8);
  line(Sjis("紙の左端・上端から目盛りまでを定規で測り"), 87, 8);
  line(Sjis("目盛りより大きい分だけ位置を − にします"), 92, 8);
  return layout;
}

PaperPoint ToPaper(const CardLayout& layout, double x, double y) {
  if (layout.rotate180) {
    x = kCardWidthMm - x;
    y = kCardHeightMm - y;
  }
  return {x + layout.offsetXMm, y + layout.offsetYMm};
}

}  // namespace mirelon
