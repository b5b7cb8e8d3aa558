#include "cards/card_layout.h"

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
constexpr double kAddressGap = 1.5;
constexpr double kBlockGap = 3.0;
constexpr double kCompanyTop = 34.0;
constexpr double kCompanyGap = 1.2;
constexpr double kNameTop = 30.0;
// Above the sender's boxes, which reach under the leftmost name columns.
constexpr double kNameBottom = 125.0;
// Left of the names: the stamp area above, the sender block below, each with room to spare.
constexpr double kNameLeft = 40.0;
constexpr ColumnRule kAddressFirst{16, 11, kColumnBottom - kAddressTop};
constexpr ColumnRule kAddressNext{13, 10, kColumnBottom - kAddressTop - kNextLineDrop};
constexpr ColumnRule kCompany{12, 9, kColumnBottom - kCompanyTop};
constexpr AddressLineRules kAddress{kAddressFirst, kAddressNext, 3, kAddressTop, kAddressTop + kNextLineDrop,
                                  kAddressGap};
// A title up to this long goes small above the name; a longer one gets a column of its own.
constexpr double kShortTitleEm = 4;

std::vector<BoxRect> StockBoxes(CardStock stock) {
  std::vector<BoxRect> boxes(RecipientCodeBoxes().begin(), RecipientCodeBoxes().end());
  if (HasSenderBoxes(stock)) boxes.insert(boxes.end(), SenderCodeBoxes().begin(), SenderCodeBoxes().end());
  return boxes;
}

CardLayout EmptyLayout(const CardSettings& settings) {
  CardLayout layout;
  layout.boxes = StockBoxes(settings.stock);
  layout.boxesPreprinted = BoxesPreprinted(settings.stock);
  layout.rotate180 = settings.rotate180;
  layout.offsetXMm = settings.offsetXTenths / 10.0;
  layout.offsetYMm = settings.offsetYTenths / 10.0;
  return layout;
}

bool SenderIsBlank(const SenderAddress& sender) {
  for (const std::string* field : {&sender.postalCode, &sender.address1, &sender.address2, &sender.name,
                                   &sender.jointName}) {
    if (!TrimmedBlanks(*field).empty()) return false;
  }
  return true;
}

// Address and company columns from the right; returns the left edge they leave for the names.
double AddAddressColumns(const AddressRecord& record, const std::vector<TextUnit>& longTitle, NumberStyle style,
                         std::vector<CardCell>& cells) {
  ColumnRow row(kAddressRight);
  row.AddAddress(FieldUnits(record.address1, style), FieldUnits(record.address2, style), kAddress, cells);
  row.Skip(kBlockGap - kAddressGap);

  double companyBottom = kCompanyTop;
  for (const std::string* company : {&record.company1, &record.company2}) {
    const std::vector<TextUnit> units = FieldUnits(*company, style);
    companyBottom = std::max(companyBottom, row.Add(units, FitColumns(units, kCompany, kCompany, 1), kCompanyTop,
                                                    kCompanyTop, kCompanyGap, cells));
  }
  // A long title ends level with the company lines it belongs to.
  const std::vector<FittedColumn> title = FitColumns(longTitle, kCompany, kCompany, 1);
  if (!title.empty()) {
    const double length = UnitsLengthEm(longTitle, title[0].begin, title[0].end) *
                          PointsToMm(title[0].fit.sizePt) * title[0].fit.scale;
    row.Add(longTitle, title, std::max(kCompanyTop, companyBottom - length), kCompanyTop, kCompanyGap, cells);
  }
  return row.rightEdge() + kCompanyGap;
}

void AddNames(const AddressRecord& record, const std::vector<TextUnit>& shortTitle, NumberStyle style,
              double right, std::vector<CardCell>& cells) {
  std::vector<NameEntry> entries;
  const std::pair<const std::string*, const std::string*> names[] = {
      {&record.name, &record.honorific},
      {&record.jointName1, &record.jointHonorific1},
      {&record.jointName2, &record.jointHonorific2},
      {&record.jointName3, &record.jointHonorific3},
  };
  for (const auto& [name, honorific] : names) {
    if (TrimmedBlanks(*name).empty()) continue;
    entries.push_back({FieldUnits(*name, style), FieldUnits(*honorific, style)});
  }
  const std::span<const BoxRect> boxes = RecipientCodeBoxes();
  // The names stand in the middle of the card: under the first three boxes.
  const double centre = (boxes[0].left + boxes[2].left + boxes[2].width) / 2;
  const NameBlockRoom room{centre, kNameLeft, right - kBlockGap, kNameTop, kNameBottom, 26, 14, 0.75};
  AddNameBlock(entries, shortTitle, room, cells);
}

}  // namespace

CardLayout LayoutCard(const AddressRecord& record, const CardSettings& settings) {
  CardLayout layout = EmptyLayout(settings);
  const std::optional<std::string> digits = PostalCodeDigits(record.postalCode);
  layout.postalCodeUnreadable = !digits;
  AddBoxDigits(digits.value_or(""), RecipientCodeBoxes(), kCodeDigitPt, layout.cells);

  const std::vector<TextUnit> title = FieldUnits(record.position, settings.numberStyle);
  const bool shortTitle = UnitsLengthEm(title, 0, title.size()) <= kShortTitleEm;
  const double right = AddAddressColumns(record, shortTitle ? std::vector<TextUnit>{} : title,
                                         settings.numberStyle, layout.cells);
  AddNames(record, shortTitle ? title : std::vector<TextUnit>{}, settings.numberStyle, right, layout.cells);
  if (settings.printSender && !SenderIsBlank(settings.sender)) {
    AddSenderBlock(settings.sender, settings.stock, settings.numberStyle, layout.cells);
  }
  return layout;
}

CardLayout LayoutCalibrationSheet(const CardSettings& settings) {
  CardLayout layout = EmptyLayout(settings);
  layout.boxesPreprinted = false;
  layout.outline = true;
  const std::string sample = "1234567";
  AddBoxDigits(sample, RecipientCodeBoxes(), kCodeDigitPt, layout.cells);
  if (HasSenderBoxes(settings.stock)) AddBoxDigits(sample, SenderCodeBoxes(), 9, layout.cells);

  const auto offset = [](double mm) {
    char text[64];
    std::snprintf(text, sizeof text, "%+.1f mm", mm);
    return std::string(text);
  };
  const double middle = kCardWidthMm / 2;
  layout.cells.push_back({Sjis("位置合わせ用紙"), middle, 74, 14, CellOrientation::SideBySide, 1.0, CellFont::Gothic});
  layout.cells.push_back({Sjis("横 ") + offset(layout.offsetXMm) + Sjis("　縦 ") + offset(layout.offsetYMm), middle,
                          82, 11, CellOrientation::SideBySide, 1.0, CellFont::Gothic});
  layout.cells.push_back({Sjis("実際のはがきに重ねて、枠と数字のずれを測ってください"), middle, 90, 8,
                          CellOrientation::SideBySide, 1.0, CellFont::Gothic});
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
