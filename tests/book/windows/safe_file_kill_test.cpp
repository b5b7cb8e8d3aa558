// A process saving a large book over and over, ended at random moments as the task manager or a
// shutdown ends a program (TerminateProcess, where Linux's test sends SIGKILL): afterwards, once
// the next read has completed a committed save, the three files are all of one version. The saving
// process is this test program itself, running the disabled test below.
#include "book/safe_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "book/book_files.h"
#include "platform/user_folders.h"
#include "platform/windows/process_handle.h"
#include "safe_file_support.h"

namespace mirelon {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;

constexpr wchar_t kFolderVariable[] = L"MIRELON_SAVER_FOLDER";

fs::path BookIn(const fs::path& folder) { return folder / L"book.csv"; }

// The saver: started by the test below with the folder in its environment.
TEST(SafeFileKill, DISABLED_SaveOverAndOver) {
  const wchar_t* folder = _wgetenv(kFolderVariable);
  if (folder == nullptr) GTEST_SKIP() << "run by AKilledSaveLeavesOneWholeVersion";
  std::array<AddressBook, 2> versions = test::TwoLargeVersions();
  for (AddressBook& version : versions) ASSERT_TRUE(SaveBookFamilyAs(version, BookIn(folder)));
  for (int v = 0;; v ^= 1) WriteBookFamily(versions[v]);
}

TEST(SafeFileKill, AKilledSaveLeavesOneWholeVersion) {
  test::TempFolder folder;
  std::array<AddressBook, 2> versions = test::TwoLargeVersions();
  const std::array<fs::path, 3> files{BookIn(folder.path()), folder / "book_nos.csv", folder / "book_nen.csv"};
  std::array<std::array<std::string, 3>, 2> expected;
  for (int v = 0; v < 2; ++v) {
    ASSERT_TRUE(SaveBookFamilyAs(versions[v], files[0]));
    for (size_t f = 0; f < 3; ++f) expected[v][f] = ReadBytes(files[f]);
  }
  ASSERT_TRUE(SetEnvironmentVariableW(kFolderVariable, folder.path().c_str()));
  std::mt19937 random(11);
  constexpr int kKills = 25;
  for (int kill = 0; kill < kKills; ++kill) {
    const auto saver = StartedProcess::Start({ProgramExecutablePath(), "--gtest_also_run_disabled_tests",
                                              "--gtest_filter=SafeFileKill.DISABLED_SaveOverAndOver"});
    ASSERT_TRUE(saver) << "the saver did not start before kill " << kill << ", error " << GetLastError();
    std::this_thread::sleep_for(std::chrono::milliseconds(100 + random() % 600));
    const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, ProcessIdOf(*saver));
    ASSERT_NE(process, nullptr);
    TerminateProcess(process, 9);
    WaitForSingleObject(process, INFINITE);
    CloseHandle(process);

    FinishInterruptedReplace(FamilyLock(files[0]), files);
    std::array<std::string, 3> found;
    for (size_t f = 0; f < 3; ++f) found[f] = ReadBytes(files[f]);
    ASSERT_TRUE(found == expected[0] || found == expected[1]) << "mixed family after kill " << kill;
    EXPECT_EQ(test::Entries(folder.path()).size(), 3u);
  }
  SetEnvironmentVariableW(kFolderVariable, nullptr);
}

}  // namespace
}  // namespace mirelon
