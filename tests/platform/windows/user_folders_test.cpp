// The shell's known folders, held against the environment the system sets up for each user.
#include "platform/user_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace mirelon {
namespace {

std::filesystem::path Environment(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  return value ? std::filesystem::path(value) : std::filesystem::path();
}

TEST(UserFolders, AreTheShellsKnownFolders) {
  const std::filesystem::path profile = Environment(L"USERPROFILE");
  ASSERT_FALSE(profile.empty());
  EXPECT_EQ(UserDocumentsFolder(), profile / L"Documents");
  EXPECT_EQ(UserDataFolder(), Environment(L"LOCALAPPDATA") / L"Mirelon");
  EXPECT_EQ(UserConfigFolder(), Environment(L"APPDATA"));
  const std::vector<std::filesystem::path> expected{ProgramDataFolder() / L"fonts", Environment(L"WINDIR") / L"Fonts"};
  EXPECT_EQ(FontFolders(), expected);
}

}  // namespace
}  // namespace mirelon
