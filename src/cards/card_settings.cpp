#include "cards/card_settings.h"

#include <algorithm>

namespace mirelon {

namespace {

const std::string kSection = "Cards";

// A value name per printer. Settings files use '/' for nesting, so it cannot stand in a name.
std::string OffsetName(const char* axis, const std::string& printer) {
  if (printer.empty()) return axis;
  std::string name = std::string(axis) + " " + printer;
  std::replace(name.begin(), name.end(), '/', '_');
  std::replace(name.begin(), name.end(), '\\', '_');
  return name;
}

template <typename Enum>
Enum LoadEnum(const SettingsStore& store, const char* name, Enum fallback, Enum last) {
  const int value = store.GetInt(kSection, name, static_cast<int>(fallback));
  return value < 0 || value > static_cast<int>(last) ? fallback : static_cast<Enum>(value);
}

int ClampOffset(int tenths) { return std::clamp(tenths, -kMaxOffsetTenths, kMaxOffsetTenths); }

}  // namespace

CardSettings LoadCardSettings(const SettingsStore& store, const std::string& printer) {
  CardSettings settings;
  settings.stock = LoadEnum(store, "Stock", settings.stock, kLastCardStock);
  settings.numberStyle = LoadEnum(store, "NumberStyle", settings.numberStyle, kLastNumberStyle);
  settings.rotate180 = store.GetInt(kSection, "Rotate180", 0) != 0;
  settings.printSender = store.GetInt(kSection, "PrintSender", 1) != 0;
  settings.sender.postalCode = store.GetString(kSection, "SenderPostalCode", "");
  settings.sender.address1 = store.GetString(kSection, "SenderAddress1", "");
  settings.sender.address2 = store.GetString(kSection, "SenderAddress2", "");
  settings.sender.name = store.GetString(kSection, "SenderName", "");
  settings.sender.jointName = store.GetString(kSection, "SenderJointName", "");
  settings.senderOffsetXTenths = ClampOffset(store.GetInt(kSection, "SenderOffsetX", 0));
  settings.senderOffsetYTenths = ClampOffset(store.GetInt(kSection, "SenderOffsetY", 0));
  settings.defaultHonorific = store.GetInt(kSection, "DefaultHonorific", 1) != 0;
  settings.omitJointFamily = store.GetInt(kSection, "OmitJointFamily", 1) != 0;
  settings.offsetXTenths = ClampOffset(store.GetInt(kSection, OffsetName("OffsetX", printer), 0));
  settings.offsetYTenths = ClampOffset(store.GetInt(kSection, OffsetName("OffsetY", printer), 0));
  return settings;
}

void SaveCardSettings(SettingsStore& store, const std::string& printer, const CardSettings& settings) {
  store.SetInt(kSection, "Stock", static_cast<int>(settings.stock));
  store.SetInt(kSection, "NumberStyle", static_cast<int>(settings.numberStyle));
  store.SetInt(kSection, "Rotate180", settings.rotate180 ? 1 : 0);
  store.SetInt(kSection, "PrintSender", settings.printSender ? 1 : 0);
  store.SetString(kSection, "SenderPostalCode", settings.sender.postalCode);
  store.SetString(kSection, "SenderAddress1", settings.sender.address1);
  store.SetString(kSection, "SenderAddress2", settings.sender.address2);
  store.SetString(kSection, "SenderName", settings.sender.name);
  store.SetString(kSection, "SenderJointName", settings.sender.jointName);
  store.SetInt(kSection, "SenderOffsetX", ClampOffset(settings.senderOffsetXTenths));
  store.SetInt(kSection, "SenderOffsetY", ClampOffset(settings.senderOffsetYTenths));
  store.SetInt(kSection, "DefaultHonorific", settings.defaultHonorific ? 1 : 0);
  store.SetInt(kSection, "OmitJointFamily", settings.omitJointFamily ? 1 : 0);
  store.SetInt(kSection, OffsetName("OffsetX", printer), ClampOffset(settings.offsetXTenths));
  store.SetInt(kSection, OffsetName("OffsetY", printer), ClampOffset(settings.offsetYTenths));
}

}  // namespace mirelon
