#include "appcore/program_settings.h"

#include <cassert>

namespace mirelon {
namespace {

SettingsStore* gStore = nullptr;
MiscSwitches gSwitches;

void WriteSwitch(bool MiscSwitches::*field, const char* name, bool on) {
  gSwitches.*field = on;
  ProgramSettings().SetInt(misc::kSection, name, on ? 1 : 0);
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
  gSwitches.kenmeiNashi = flag(misc::kKenmeiNashi, 0);
  gSwitches.bangoHyphen = flag(misc::kBangoHyphen, 0);
  gSwitches.bangoZenkaku = flag(misc::kBangoZenkaku, 0);
  gSwitches.toolTipCtrl = flag(misc::kToolTipCtrl, 1);
}

void SetConvHistChar(bool on) { WriteSwitch(&MiscSwitches::convHistChar, misc::kConvHistChar, on); }
void SetKenmeiNashi(bool on) { WriteSwitch(&MiscSwitches::kenmeiNashi, misc::kKenmeiNashi, on); }
void SetBangoHyphen(bool on) { WriteSwitch(&MiscSwitches::bangoHyphen, misc::kBangoHyphen, on); }
void SetBangoZenkaku(bool on) { WriteSwitch(&MiscSwitches::bangoZenkaku, misc::kBangoZenkaku, on); }
void SetToolTipCtrl(bool on) { WriteSwitch(&MiscSwitches::toolTipCtrl, misc::kToolTipCtrl, on); }

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
