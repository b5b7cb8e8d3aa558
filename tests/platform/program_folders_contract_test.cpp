#include "platform/user_folders.h"

#include <gtest/gtest.h>

namespace mirelon {
namespace {

TEST(ProgramFolders, ProgramDataSitsBesideTheExecutable) {
  const std::filesystem::path executable = ProgramExecutablePath();
  ASSERT_TRUE(executable.is_absolute());
  EXPECT_TRUE(std::filesystem::is_regular_file(executable));
  EXPECT_EQ(ProgramDataFolder(), executable.parent_path().parent_path() / "share" / "mirelon");
}

}  // namespace
}  // namespace mirelon
