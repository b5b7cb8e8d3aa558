#include "platform/user_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "support/temp_folder.h"

namespace mirelon {
namespace {

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment {
 public:
  void Set(const char* name, const std::string& value) {
    const char* old = std::getenv(name);
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    value.empty() ? unsetenv(name) : setenv(name, value.c_str(), 1);
  }
  ~ScopedEnvironment() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      it->second ? setenv(it->first, it->second->c_str(), 1) : unsetenv(it->first);
    }
  }

 private:
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

TEST(UserFolders, FollowTheXdgConventions) {
  test::TempFolder home;
  ScopedEnvironment environment;
  environment.Set("HOME", home.path().string());
  environment.Set("XDG_CONFIG_HOME", "");
  environment.Set("XDG_DATA_HOME", "relative/is/ignored");
  EXPECT_EQ(UserConfigFolder(), home.path() / ".config");
  EXPECT_EQ(UserDataFolder(), home.path() / ".local/share/Mirelon");
  EXPECT_EQ(UserDocumentsFolder(), home.path());  // no Documents folder yet

  std::filesystem::create_directories(home.path() / "Documents");
  EXPECT_EQ(UserDocumentsFolder(), home.path() / "Documents");

  // A documents folder named in user-dirs.dirs, in the user's own language, wins.
  std::filesystem::create_directories(home.path() / "conf" / "x");
  std::filesystem::create_directories(home.path() / "ドキュメント");
  environment.Set("XDG_CONFIG_HOME", (home.path() / "conf").string());
  std::ofstream(home.path() / "conf" / "user-dirs.dirs") << "# comment\nXDG_DOCUMENTS_DIR=\"$HOME/ドキュメント\"\n";
  EXPECT_EQ(UserConfigFolder(), home.path() / "conf");
  EXPECT_EQ(UserDocumentsFolder(), home.path() / "ドキュメント");
}

}  // namespace
}  // namespace mirelon
