// The family on disk where POSIX decides: modes and symbolic links kept, the file-size limit.
#include "book/book_files.h"

#include <signal.h>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include "book_files_support.h"

namespace mirelon {
namespace {

using namespace literals;
using test::BookFiles;
using test::ReadBytes;

TEST_F(BookFiles, ReplacingKeepsPermissionsAndLinks) {
  CopySample();
  ASSERT_EQ(ReadBookFamily(book_, folder_ / "sample.csv"), FamilyRead::Read);
  const auto mode = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                    std::filesystem::perms::group_read;
  std::filesystem::permissions(folder_ / "sample.csv", mode);
  std::filesystem::rename(folder_ / "sample_nen.csv", folder_ / "real_nen.csv");
  std::filesystem::create_symlink("real_nen.csv", folder_ / "sample_nen.csv");
  book_.notes = "new";
  ASSERT_TRUE(WriteBookFamily(book_));
  EXPECT_EQ(std::filesystem::status(folder_ / "sample.csv").permissions(), mode);
  EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "sample_nen.csv"));
  EXPECT_NE(ReadBytes(folder_ / "real_nen.csv").find("new\r\n"), std::string::npos);
}

// A save that fails keeps the message it always had and adds what the system said.
TEST_F(BookFiles, AFailedSaveTellsTheSystemsReason) {
  AddressRecord record;
  record.registrationName = "a";
  record.address1 = std::string(4096, 'x');
  book_.AddRecord(record);
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  const rlimit small{1024, old.rlim_max};
  const auto previous = signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const SaveResult result = SaveBookFamilyAs(book_, folder_ / "large.csv");
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, previous);
  EXPECT_EQ(result.outcome, FamilySave::Failed);
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{PathText(folder_ / "large.csv") +
                                                    "\r\nファイルが壊れています\r\nファイルが大きすぎます"_sjis});
  EXPECT_EQ(FileCount(), 1u);  // the family's lock file, nothing written
}

}  // namespace
}  // namespace mirelon
