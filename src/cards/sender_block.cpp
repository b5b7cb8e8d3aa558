#include "cards/sender_block.h"

#include "cards/name_block.h"
#include "cards/postal_code_cells.h"
#include "text/cp932.h"
#include "text/sjis.h"

namespace mirelon {

namespace {

constexpr double kLeft = 6.0;
// Above the sender boxes of a New-Year card (122.5 mm).
constexpr double kBottom = 121.0;
constexpr double kNextLineDrop = 4.0;
constexpr double kColumnGap = 1.0;
constexpr double kNameTop = 88.0;
constexpr double kCodeLineTop = 127.0;
constexpr ColumnRule kAddressFirst{10, 7, kBottom - kSenderTop};
constexpr ColumnRule kAddressNext{9, 7, kBottom - kSenderTop - kNextLineDrop};
constexpr AddressLineRules kAddress{kAddressFirst, kAddressNext, 2, kSenderTop, kSenderTop + kNextLineDrop, kColumnGap};

void AddCode(const std::string& digits, CardStock stock, std::vector<CardCell>& cells) {
  if (HasSenderBoxes(stock)) {
    AddBoxDigits(digits, SenderCodeBoxes(), kSenderCodeDigitPt, cells);
    return;
  }
  if (digits.empty()) return;
  std::string line = Sjis("〒") + digits.substr(0, 3);
  if (digits.size() > 3) line += "-" + digits.substr(3);
  cells.push_back({line, (kLeft + kSenderRight) / 2, kCodeLineTop, kSenderCodeDigitPt, CellOrientation::SideBySide, 1.0,
                   CellFont::Gothic});
}

}  // namespace

void AddSenderBlock(const SenderAddress& sender, CardStock stock, NumberStyle style, std::vector<CardCell>& cells) {
  // The sender's code comes from the settings, where the dialog checks it; a code that is not
  // one still leaves its boxes empty rather than printing something wrong.
  AddCode(PostalCodeDigits(sender.postalCode).value_or(""), stock, cells);
  const NumberStyle addressStyle = AddressNumberStyle(style, {sender.address1, sender.address2});

  ColumnRow row(kSenderRight);
  row.AddAddress(FieldUnits(sender.address1, addressStyle), FieldUnits(sender.address2, addressStyle), kAddress,
                 cells);

  std::vector<NameEntry> names;
  for (const std::string* name : {&sender.name, &sender.jointName}) {
    if (!TrimmedBlanks(*name).empty()) names.push_back({FieldUnits(*name, style), {}});
  }
  const double right = row.rightEdge();
  const NameBlockRoom room{(kLeft + right) / 2, kLeft, right, kNameTop, kBottom, 13, 9, 0.6};
  AddNameBlock(names, {}, room, cells);
}

}  // namespace mirelon
