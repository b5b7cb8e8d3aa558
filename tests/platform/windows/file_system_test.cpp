// What the Windows file services add to the contract: the lock file hides, pipes and devices are
// refused without waiting on them, as FIFOs are elsewhere, and a name with a lone surrogate (NTFS
// takes any units) still becomes text.
#include "platform/file_system.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/utf8_path.h"
#include "support/temp_folder.h"

namespace mirelon {
namespace {

using namespace std::chrono_literals;

TEST(WindowsFileSystem, TheLockFileIsHidden) {
  test::TempFolder root;
  const FileLock lock = FileLock::Acquire(root / ".book.lk", 0ms);
  ASSERT_EQ(lock.state(), FileLock::State::Held);
  const DWORD attributes = GetFileAttributesW((root / ".book.lk").c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(attributes & FILE_ATTRIBUTE_HIDDEN, 0u);
}

TEST(WindowsFileSystem, PipesDevicesAndFoldersAreRefused) {
  test::TempFolder root;
  // A pipe waiting for a client: opening it would connect, reading it would wait.
  const HANDLE pipe = CreateNamedPipeW(L"\\\\.\\pipe\\mirelon-test-pipe", PIPE_ACCESS_OUTBOUND, PIPE_TYPE_BYTE, 1, 0, 0,
                                       0, nullptr);
  ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
  std::string content;
  for (const std::filesystem::path& path : {std::filesystem::path(L"\\\\.\\pipe\\mirelon-test-pipe"),
                                            std::filesystem::path(L"NUL"), root.path()}) {
    EXPECT_EQ(ReadRegularFile(path, 1000, content), FileError::Refused) << path;
  }
  CloseHandle(pipe);
}

// A drive of 2 units, a folder part and a name each within 255 (3/256/256/256 with terminators).
TEST(WindowsFileSystem, PathPartsKeepTheirLimits) {
  const std::wstring part(255, L'a');
  EXPECT_TRUE(FitsPathLimits(L"C:\\" + part.substr(2) + L"\\" + part));
  EXPECT_FALSE(FitsPathLimits(L"C:\\" + part + L"\\" + part));
  EXPECT_FALSE(FitsPathLimits(L"C:\\a\\" + part + L"a"));
}

TEST(WindowsFileSystem, ANameThatIsNoTextStillBecomesText) {
  EXPECT_EQ(PathToUtf8(std::filesystem::path(L"a\xD800z")), "a\xEF\xBF\xBDz");
  EXPECT_EQ(PathToUtf8(PathFromUtf8("表\xF0\x9F\x98\x80")), "表\xF0\x9F\x98\x80");  // a pair stays whole
}

}  // namespace
}  // namespace mirelon
