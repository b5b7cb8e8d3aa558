// Replacing files where Windows decides: another program holding a file open, and the marks and
// access list of the replaced file. (A folder that allows no new files needs an access list that binds
// the tests' user: wine, running as root, binds nobody, so that case is left to Windows itself.)
#include "book/safe_file.h"

#include <windows.h>
#include <aclapi.h>

#include <gtest/gtest.h>

#include "support/windows/holding_program.h"
#include "safe_file_support.h"
#include "support/host.h"

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

// The owner alone may read the old file: so may the new one, whatever the folder hands down.
TEST_F(SafeFile, TheNewFileKeepsTheAccessListOfTheOld) {
  if (test::UnderWine()) GTEST_SKIP() << "wine keeps no access lists: it makes one up from the file's mode";
  HANDLE token = nullptr;
  ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
  char user[256];
  DWORD size = sizeof user;
  ASSERT_TRUE(GetTokenInformation(token, TokenUser, user, size, &size));
  CloseHandle(token);
  EXPLICIT_ACCESS_W ownerOnly{};
  ownerOnly.grfAccessPermissions = GENERIC_ALL;
  ownerOnly.grfAccessMode = SET_ACCESS;
  ownerOnly.grfInheritance = NO_INHERITANCE;
  ownerOnly.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  ownerOnly.Trustee.ptstrName = static_cast<LPWSTR>(reinterpret_cast<TOKEN_USER*>(user)->User.Sid);
  PACL list = nullptr;
  ASSERT_EQ(SetEntriesInAclW(1, &ownerOnly, nullptr, &list), static_cast<DWORD>(ERROR_SUCCESS));
  ASSERT_EQ(SetNamedSecurityInfoW(const_cast<wchar_t*>(paths_[0].c_str()), SE_FILE_OBJECT,
                                  DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                  list, nullptr),
            static_cast<DWORD>(ERROR_SUCCESS));
  LocalFree(list);

  const std::vector<FileContent> files = NewContents();
  ASSERT_EQ(ReplaceFiles(files).result, FileIoResult::Done);
  PACL found = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_EQ(GetNamedSecurityInfoW(paths_[0].c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                  &found, nullptr, &descriptor),
            static_cast<DWORD>(ERROR_SUCCESS));
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->AceCount, 1);
  ACCESS_ALLOWED_ACE* entry = nullptr;
  ASSERT_TRUE(GetAce(found, 0, reinterpret_cast<void**>(&entry)));
  EXPECT_TRUE(EqualSid(&entry->SidStart, reinterpret_cast<TOKEN_USER*>(user)->User.Sid));
  LocalFree(descriptor);
  EXPECT_EQ(test::ReadBytes(paths_[0]), "new 0");
}

}  // namespace
}  // namespace mirelon
