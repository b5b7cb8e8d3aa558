#include "appcore/program_settings.h"

#include <cassert>

namespace mirelon {
namespace {

SettingsStore* gStore = nullptr;
MiscSwitches gSwitches;

void WriteFlag(const char* name, bool on) { ProgramSettings().SetInt(misc::kSection, name, on ? 1 : 0); }

void WriteSwitch(bool MiscSwitches::*field, const char* name, bool on) {
  gSwitches.*field = on;
  WriteFlag(name, on);
}

}  // namespace

void UseSettingsStore(SettingsStore* store) { gStore = store; }

SettingsStore& ProgramSettings() {
  assert(gStore != nullptr && "UseSettingsStore must be called at start-up");
  return *gStore;
}

const MiscSwitches& Switches() { return gSwitches; }

void ReadSwitches(const SettingsStore& settings) {
  const auto flag = [&](const char* name, int fallback) {
    return settings.GetInt(misc::kSection, name, fallback) != 0;
  };
  gSwitches.convHistChar = flag(misc::kConvHistChar, 0);
  gSwitches.postal = {flag(misc::kKenmeiNashi, 0), flag(misc::kBangoHyphen, 0), flag(misc::kBangoZenkaku, 0)};
  gSwitches.toolTipCtrl = flag(misc::kToolTipCtrl, 1);
}

void SetConvHistChar(bool on) { WriteSwitch(&MiscSwitches::convHistChar, misc::kConvHistChar, on); }
void SetToolTipCtrl(bool on) { WriteSwitch(&MiscSwitches::toolTipCtrl, misc::kToolTipCtrl, on); }

void SetPostalOptions(const LookupOptions& options) {
  gSwitches.postal = options;
  WriteFlag(misc::kKenmeiNashi, options.kenmeiNashi);
  WriteFlag(misc::kBangoHyphen, options.bangoHyphen);
  WriteFlag(misc::kBangoZenkaku, options.bangoZenkaku);
}

std::string ReadBackgroundSetting(const SettingsStore& settings) {
  return settings.GetString(misc::kSection, misc::kBkColor, misc::kDefaultBkColor);
}

std::string ReadMiscString(const SettingsStore& settings, const char* name) {
  return settings.GetString(misc::kSection, name, "");
}

void WriteMiscString(const char* name, const std::string& value) {
  ProgramSettings().SetString(misc::kSection, name, value);
}

}  // namespace mirelon
