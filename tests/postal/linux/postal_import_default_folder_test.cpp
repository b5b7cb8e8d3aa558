// Without --to, mirelon-tool's postal import writes into the user's data folder, which follows
// XDG_DATA_HOME. (On Windows that folder is the known local application data folder, checked by
// the platform's own test; a test must not write into a user's real folder.)
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "platform/utf8_path.h"
#include "postal/public_postal_support.h"
#include "support/temp_folder.h"
#include "text/cp932.h"
#include "tool/tool_commands.h"

namespace mirelon {
namespace {

TEST(PostalImportDefaultFolder, TheAddressDataGoesToTheUsersDataFolder) {
  test::TempFolder folder;
  const auto address = folder / "KEN_ALL.CSV";
  test::WriteBytes(address, Sjis(test::PublicAddressLine("1050011", "東京都", "港区", "芝公園")));
  const auto home = folder / "xdg";
  ::setenv("XDG_DATA_HOME", home.c_str(), 1);
  std::ostringstream out, errors;
  EXPECT_EQ(tool::RunTool({"postal-import", PathToUtf8(address)}, out, errors), 0) << errors.str();
  ::unsetenv("XDG_DATA_HOME");
  EXPECT_TRUE(std::filesystem::exists(home / "Mirelon" / "QUELTAUNIJUSHO.CSV"));
  EXPECT_FALSE(std::filesystem::exists(home / "Mirelon" / "QUELTAUNIJIGYO.CSV"));
}

}  // namespace
}  // namespace mirelon
