// Section Misc of the user's settings: value names, types and defaults, and ProgramSettings, the
// one object over the store the program uses with its copy of the switches.
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

// The switches of section Misc.
struct MiscSwitches {
  bool convHistChar = false;
  LookupOptions postal;  // kenmeiNashi, bangoHyphen, bangoZenkaku
  bool toolTipCtrl = true;
};

// The settings as the whole run sees them: the store (a wxConfig one in the program, an in-memory
// one in tests) and the switches, read from it once when the object is made. Every writer goes
// through the object, which updates the copy and the store together.
class ProgramSettings {
 public:
  explicit ProgramSettings(SettingsStore& store);
  ProgramSettings(const ProgramSettings&) = delete;
  ProgramSettings& operator=(const ProgramSettings&) = delete;

  SettingsStore& Store() const { return store_; }
  const MiscSwitches& Switches() const { return switches_; }

  void SetConvHistChar(bool on);
  void SetPostalOptions(const LookupOptions& options);
  void SetToolTipCtrl(bool on);
  void WriteMiscString(const char* name, const std::string& value);

 private:
  void WriteFlag(const char* name, bool on);

  SettingsStore& store_;
  MiscSwitches switches_;
};

// The string values of section Misc, with their defaults.
std::string ReadBackgroundSetting(const SettingsStore& settings);
std::string ReadMiscString(const SettingsStore& settings, const char* name);  // default ""

}  // namespace mirelon
