// The card printing choices kept in the settings (section `Cards`): stock, number style, 180°,
// the sender and its own offset, the honorific and joint-name choices, and an X/Y offset for each
// printer.
#pragma once

#include <string>

#include "cards/card_stock.h"
#include "cards/vertical_text.h"
#include "platform/settings_store.h"

namespace mirelon {

// Offsets are whole tenths of a millimetre within ±5 mm.
inline constexpr int kMaxOffsetTenths = 50;

struct SenderAddress {  // CP932 texts
  std::string postalCode;
  std::string address1;
  std::string address2;
  std::string name;
  std::string jointName;  // a second name set beside the first, e.g. the spouse's given name
  bool operator==(const SenderAddress&) const = default;
};

struct CardSettings {
  CardStock stock = CardStock::NewYear;
  NumberStyle numberStyle = NumberStyle::KanjiDigits;
  bool rotate180 = false;  // for printers that take cards top edge last
  bool printSender = true;
  SenderAddress sender;
  int offsetXTenths = 0;  // + moves the print to the right
  int offsetYTenths = 0;  // + moves the print down
  // The sender block moved against the rest of the card, for stocks whose sender boxes sit apart
  // from where this program expects them: the same for every printer.
  int senderOffsetXTenths = 0;
  int senderOffsetYTenths = 0;
  bool defaultHonorific = true;   // a name without an honorific gets 様
  bool omitJointFamily = true;    // 鈴木 一郎 様 / 花子 様 when every joint name is a 鈴木
  bool operator==(const CardSettings&) const = default;
};

// `printer` is the printer's name as the system gives it; the offsets are kept per printer (an
// empty name: the offsets used for PDF files). Stored values out of range come back clamped.
CardSettings LoadCardSettings(const SettingsStore& store, const std::string& printer);
void SaveCardSettings(SettingsStore& store, const std::string& printer, const CardSettings& settings);

}  // namespace mirelon
