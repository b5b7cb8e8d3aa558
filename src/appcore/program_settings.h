// Section Misc of the user's settings: value names, types and defaults, the store the program
// uses, and the program-wide copies of the switches, read once when the editor is constructed;
// afterwards every writer updates the copy and the store together.
#pragma once

#include <string>

#include "platform/settings_store.h"
#include "postal/postal_result.h"

namespace mirelon {

namespace misc {
inline constexpr const char* kSection = "Misc";
inline constexpr const char* kBkColor = "bkColor";            // string, "0 0 0"
inline constexpr const char* kConvHistChar = "convHistChar";  // int, 0
inline constexpr const char* kKenmeiNashi = "kenmeiNashi";    // int, 0
inline constexpr const char* kBangoHyphen = "bangoHyphen";    // int, 0
inline constexpr const char* kBangoZenkaku = "bangoZenkaku";  // int, 0
inline constexpr const char* kToolTipCtrl = "toolTipCtrl";    // int, 1
inline constexpr const char* kQueltaPath = "queltaPath";      // string, ""
inline constexpr const char* kRecentFile = "recentFile";      // string, ""
inline constexpr const char* kWndWidth = "wndWidth";          // int, 0 (-1 maximised)
inline constexpr const char* kWndHeight = "wndHeight";        // int, 0
inline constexpr const char* kSettingFile = "settingFile";    // string, ""
inline constexpr const char* kDefaultBkColor = "0 0 0";
}  // namespace misc

// The store every window uses (a wxConfig one in the program, an in-memory one in tests).
void UseSettingsStore(SettingsStore* store);
SettingsStore& ProgramSettings();

// The switches of section Misc as the whole program sees them.
struct MiscSwitches {
  bool convHistChar = false;
  LookupOptions postal;  // kenmeiNashi, bangoHyphen, bangoZenkaku
  bool toolTipCtrl = true;
};
const MiscSwitches& Switches();
void ReadSwitches(const SettingsStore& settings);  // once, at editor construction

// Each updates the program-wide copy and writes the value to the store.
void SetConvHistChar(bool on);
void SetPostalOptions(const LookupOptions& options);
void SetToolTipCtrl(bool on);

// The string values of section Misc, with their defaults.
std::string ReadBackgroundSetting(const SettingsStore& settings);
std::string ReadMiscString(const SettingsStore& settings, const char* name);  // default ""
void WriteMiscString(const char* name, const std::string& value);

}  // namespace mirelon
