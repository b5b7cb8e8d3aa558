// The user's own store on Linux: a file in the configuration folder (on Windows the registry,
// tests/gui/editor/windows/file_flows_system_test.cpp).
#include <wx/filename.h>
#include <wx/utils.h>

#include <gtest/gtest.h>

#include "gui/kit/wx_settings_store.h"

namespace mirelon {
namespace {

// The user's store lives in $XDG_CONFIG_HOME (here a temporary folder, never the user's own) and
// gives back what was stored, variables and all.
TEST(WxSettingsStore, TheUsersStoreKeepsValuesVerbatimUnderTheConfigFolder) {
  const wxString folder = wxFileName::CreateTempFileName("mirelon-config");
  wxRemoveFile(folder);
  ASSERT_TRUE(wxFileName::Mkdir(folder));
  wxString previous;
  const bool hadPrevious = wxGetEnv("XDG_CONFIG_HOME", &previous);
  wxSetEnv("XDG_CONFIG_HOME", folder);
  const std::pair<const char*, const char*> values[] = {
      {"recentFile", "$HOME/住所録/${USER}.csv"},
      {"queltaPath", "%ProgramFiles%\\Quelta\\quelta.exe"},
      {"settingFile", "~/%PATH%/$XDG_CONFIG_HOME/一覧.ini"},
  };
  {
    WxSettingsStore store;
    for (const auto& [name, value] : values) store.SetString("Misc", name, value);
  }
  EXPECT_TRUE(wxFileName::FileExists(folder + "/Mirelon/Mirelon.conf"));
  WxSettingsStore reread;
  for (const auto& [name, value] : values) EXPECT_EQ(reread.GetString("Misc", name, ""), value) << name;
  if (hadPrevious) {
    wxSetEnv("XDG_CONFIG_HOME", previous);
  } else {
    wxUnsetEnv("XDG_CONFIG_HOME");
  }
  wxFileName::Rmdir(folder, wxPATH_RMDIR_RECURSIVE);
}

}  // namespace
}  // namespace mirelon
