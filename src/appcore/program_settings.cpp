#include "appcore/program_settings.h"

namespace mirelon {

ProgramSettings::ProgramSettings(SettingsStore& store) : store_(store) {
  const auto flag = [&](const char* name, int fallback) { return store.GetInt(misc::kSection, name, fallback) != 0; };
  switches_.convHistChar = flag(misc::kConvHistChar, 0);
  switches_.postal = {flag(misc::kKenmeiNashi, 0), flag(misc::kBangoHyphen, 0), flag(misc::kBangoZenkaku, 0)};
  switches_.toolTipCtrl = flag(misc::kToolTipCtrl, 1);
}

void ProgramSettings::WriteFlag(const char* name, bool on) { store_.SetInt(misc::kSection, name, on ? 1 : 0); }

void ProgramSettings::SetConvHistChar(bool on) {
  switches_.convHistChar = on;
  WriteFlag(misc::kConvHistChar, on);
}

void ProgramSettings::SetToolTipCtrl(bool on) {
  switches_.toolTipCtrl = on;
  WriteFlag(misc::kToolTipCtrl, on);
}

void ProgramSettings::SetPostalOptions(const LookupOptions& options) {
  switches_.postal = options;
  WriteFlag(misc::kKenmeiNashi, options.kenmeiNashi);
  WriteFlag(misc::kBangoHyphen, options.bangoHyphen);
  WriteFlag(misc::kBangoZenkaku, options.bangoZenkaku);
}

void ProgramSettings::WriteMiscString(const char* name, const std::string& value) {
  store_.SetString(misc::kSection, name, value);
}

std::string ReadBackgroundSetting(const SettingsStore& settings) {
  return settings.GetString(misc::kSection, misc::kBkColor, misc::kDefaultBkColor);
}

std::string ReadMiscString(const SettingsStore& settings, const char* name) {
  return settings.GetString(misc::kSection, name, "");
}

}  // namespace mirelon
