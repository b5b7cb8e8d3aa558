// What only the Linux implementation promises: names and paths counted in bytes, and pages opened
// through the desktop's opener.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/browser.h"
#include "platform/file_system.h"
#include "platform/utf8_path.h"
#include "support/temp_folder.h"

namespace mirelon {
namespace {

namespace fs = std::filesystem;

std::string Repeated(std::string_view text, size_t times) {
  std::string repeated;
  for (size_t i = 0; i < times; ++i) repeated += text;
  return repeated;
}

TEST(LinuxPlatform, NamesAndPathsAreCountedInBytes) {
  const struct {
    std::string path;
    bool fits;
  } cases[] = {
      {"/tmp/" + Repeated("a", 255), true},
      {"/tmp/" + Repeated("a", 256), false},
      {"/tmp/" + Repeated("表", 85), true},  // 255 bytes
      {"/tmp/" + Repeated("表", 86), false},
      {Repeated("/" + Repeated("d", 99), 40) + "/" + Repeated("f", 94), true},  // 4095 bytes
      {Repeated("/" + Repeated("d", 99), 40) + "/" + Repeated("f", 95), false},
  };
  for (const auto& c : cases) EXPECT_EQ(FitsPathLimits(PathFromUtf8(c.path)), c.fits) << c.path.size();
}

// xdg-open on PATH as a script that notes its arguments and ends with the status it is given.
TEST(LinuxPlatform, APageGoesToTheOpenerAsOneArgument) {
  test::TempFolder bin;
  const char* oldPath = std::getenv("PATH");
  const std::string savedPath = oldPath ? oldPath : "";
  ::setenv("PATH", bin.path().c_str(), 1);
  const fs::path page = bin.path() / PathFromUtf8("説明 書/index.html");
  const struct {
    int status;  // -1: no opener
    bool opened;
  } cases[] = {{0, true}, {3, false}, {-1, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.status);
    fs::remove(bin / "xdg-open");
    if (c.status >= 0) {
      test::WriteBytes(bin / "xdg-open", "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"" + PathToUtf8(bin / "received") +
                                             "\"\nexit " + std::to_string(c.status) + "\n");
      fs::permissions(bin / "xdg-open", fs::perms::owner_all);
    }
    int pumped = 0;
    EXPECT_EQ(OpenPage(page, [&] { ++pumped; }), c.opened);
    if (c.status >= 0) {
      EXPECT_EQ(test::ReadBytes(bin / "received"), "1\n" + PathToUtf8(page) + "\n");
    }
  }
  ::setenv("PATH", savedPath.c_str(), 1);
}

}  // namespace
}  // namespace mirelon
