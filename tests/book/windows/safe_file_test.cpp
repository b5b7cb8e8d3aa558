// Replacing files where Windows decides: another program holding a file open (where Linux's test
// has a read-only file), and the marks of the replaced file. Linux's cases of permissions (a
// folder that allows no new files, the new file's mode) need an access list that binds the tests'
// user on Windows: wine, running as root, keeps none and binds nobody.
#include "book/safe_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "safe_file_support.h"
#include "support/windows/holding_program.h"

namespace mirelon {
namespace {

namespace fs = std::filesystem;
using test::Encoded;
using test::Entries;
using test::SafeFile;

TEST_F(SafeFile, AFileHeldByAnotherProgramReplacesNoneAndLeavesNothingBehind) {
  const std::vector<std::string> before = Entries(folder_.path());
  const test::HoldingProgram holder(paths_[1]);
  ASSERT_TRUE(holder.started());
  ASSERT_EQ(CheckReplaceable(paths_[1]), FileError::InUse);
  const std::vector<FileContent> files = NewContents();
  const ReplaceOutcome outcome = ReplaceFiles(files);
  EXPECT_EQ(Encoded(outcome), static_cast<int>(FileIoResult::OpenFailed) * 10 + 1);
  EXPECT_EQ(outcome.reason, FileError::InUse);
  ExpectOld();
  EXPECT_EQ(Entries(folder_.path()), before);
}

TEST_F(SafeFile, TheNewFileKeepsTheHiddenMark) {
  ASSERT_TRUE(SetFileAttributesW(paths_[0].c_str(), FILE_ATTRIBUTE_HIDDEN));
  const std::vector<FileContent> files = NewContents();
  ASSERT_EQ(ReplaceFiles(files).result, FileIoResult::Done);
  EXPECT_EQ(GetFileAttributesW(paths_[0].c_str()) & FILE_ATTRIBUTE_HIDDEN, static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(GetFileAttributesW(paths_[1].c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
}

}  // namespace
}  // namespace mirelon
