// The family on disk: fixtures compared byte for byte, the read and write orders, and failures.
#include "book/book_files.h"

#include <gtest/gtest.h>

#include "book/history_merge.h"
#include "support/recording_prompt.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;
using test::ReadBytes;
using test::RecordingPrompt;
using test::WriteBytes;

const std::filesystem::path kFixtures = std::filesystem::path(MIRELON_TEST_DATA) / "book";

std::string OpenFailure(const std::filesystem::path& path) {
  return PathText(path) + "\r\n" + "ファイルのオープンに失敗しました"_sjis;
}
std::string Broken(const std::filesystem::path& path) {
  return PathText(path) + "\r\n" + "ファイルが壊れています"_sjis;
}

class BookFiles : public ::testing::Test {
 protected:
  BookFiles() { book_.SetPrompt(&prompt_); }

  // Copies fixture files into the temp folder, under their own names.
  void CopyFixtures(std::initializer_list<const char*> names) {
    for (const char* name : names) std::filesystem::copy_file(kFixtures / name, folder_ / name);
  }
  void ExpectSameBytes(const std::string& fixture, const std::string& written) {
    EXPECT_EQ(ReadBytes(folder_ / written), ReadBytes(kFixtures / fixture)) << written;
  }
  std::vector<std::string> FolderNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  test::TempFolder folder_;
  RecordingPrompt prompt_;
  AddressBook book_;
};

TEST_F(BookFiles, AFamilyAsTheProgramWritesItIsWrittenBackByteForByte) {
  CopyFixtures({"sample.csv", "sample_nos.csv", "sample_nen.csv"});
  ASSERT_EQ(ReadBookFamily(book_, folder_ / "sample_nos.csv"), FamilyRead::Read);
  EXPECT_EQ(book_.baseName, "sample");
  EXPECT_EQ(book_.recordCount(), 3);
  EXPECT_EQ(book_.year, 2024);
  EXPECT_FALSE(HasHistoryOnlyRecords(book_));
  EXPECT_FALSE(book_.modified);
  std::filesystem::remove(folder_ / "sample.csv");
  book_.modified = true;
  EXPECT_TRUE(WriteBookFamily(book_));
  EXPECT_FALSE(book_.modified);
  ExpectSameBytes("sample.csv", "sample.csv");
  ExpectSameBytes("sample_nos.csv", "sample_nos.csv");
  ExpectSameBytes("sample_nen.csv", "sample_nen.csv");
  // The import file holds every field of every record, and writing it leaves `modified` alone.
  book_.modified = true;
  EXPECT_TRUE(SaveBookFile(book_, BookFileKind::ImportFile));
  EXPECT_TRUE(book_.modified);
  ExpectSameBytes("sample_imp.csv", "sample_imp.csv");
  EXPECT_TRUE(prompt_.shown.empty());
  // No temporary file is left behind.
  EXPECT_EQ(FolderNames(), (std::vector<std::string>{"sample.csv", "sample_imp.csv", "sample_nen.csv", "sample_nos.csv"}));
}

TEST_F(BookFiles, ChoosingTheImportFileAsksAndReadsOnlyIt) {
  CopyFixtures({"sample_imp.csv", "sample_nen.csv"});
  book_.AddRecord(AddressRecord());
  prompt_.answers = {false};
  EXPECT_EQ(ReadBookFamily(book_, folder_ / "sample_imp.csv"), FamilyRead::ImportCancelled);
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{"インポートします"_sjis});
  EXPECT_EQ(book_.recordCount(), 1);

  ASSERT_EQ(ReadBookFamily(book_, folder_ / "sample_imp.csv"), FamilyRead::Read);
  EXPECT_EQ(book_.recordCount(), 3);
  EXPECT_TRUE(book_.modified);
  EXPECT_EQ(book_.year, CurrentLocalYear());  // the history file was not read
  EXPECT_EQ(book_.memoTitle1, "メモ１"_sjis);
  // The following write produces the family under the import file's base name.
  EXPECT_TRUE(WriteBookFamily(book_));
  ExpectSameBytes("sample.csv", "sample.csv");
  ExpectSameBytes("sample_nos.csv", "sample_nos.csv");
  ExpectSameBytes("sample_imp.csv", "sample_imp.csv");
}

TEST_F(BookFiles, ABadNameLeavesTheRecords) {
  book_.AddRecord(AddressRecord());
  for (const char* chosen : {"sample.txt", "missing.csv"}) {
    prompt_.shown.clear();
    EXPECT_EQ(ReadBookFamily(book_, folder_ / chosen), FamilyRead::NameRefused) << chosen;
    EXPECT_EQ(prompt_.shown, std::vector<std::string>{"ファイル名が不正です"_sjis});
    EXPECT_EQ(book_.recordCount(), 1);
  }
}

TEST_F(BookFiles, AFileVanishingBeforeItIsReadIsReportedAndTheOthersAreRead) {
  CopyFixtures({"sample.csv", "sample_nos.csv", "sample_nen.csv"});
  ASSERT_TRUE(book_.SetFileName(folder_ / "sample.csv"));
  std::filesystem::remove(folder_ / "sample_nos.csv");
  book_.ResetForRead();
  EXPECT_FALSE(LoadBookFamilyFiles(book_));
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{OpenFailure(folder_ / "sample_nos.csv")});
  EXPECT_EQ(book_.recordCount(), 3);  // うえだ comes back from its history line alone
  EXPECT_EQ(book_.record(2).pairing, Pairing::HistoryOnly);
  EXPECT_EQ(book_.year, 2024);
}

TEST_F(BookFiles, AnUnreadableFileIsReportedAsBroken) {
  CopyFixtures({"sample.csv"});
  std::filesystem::create_directory(folder_ / "sample_nen.csv");
  EXPECT_EQ(ReadBookFamily(book_, folder_ / "sample.csv"), FamilyRead::Incomplete);
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{Broken(folder_ / "sample_nen.csv")});
  EXPECT_EQ(book_.recordCount(), 2);
}

TEST_F(BookFiles, AFailedWriteIsReportedAndKeepsTheBookModified) {
  CopyFixtures({"sample.csv", "sample_nos.csv", "sample_nen.csv"});
  ASSERT_EQ(ReadBookFamily(book_, folder_ / "sample.csv"), FamilyRead::Read);
  const std::string oldHistory = ReadBytes(folder_ / "sample_nen.csv");
  book_.record(0).phone = "changed";
  book_.modified = true;
  // The no-send file has become a folder: it cannot be replaced, and the others are still written.
  std::filesystem::remove(folder_ / "sample_nos.csv");
  std::filesystem::create_directory(folder_ / "sample_nos.csv");
  EXPECT_FALSE(WriteBookFamily(book_));
  EXPECT_TRUE(book_.modified);
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{OpenFailure(folder_ / "sample_nos.csv")});
  EXPECT_TRUE(std::filesystem::is_directory(folder_ / "sample_nos.csv"));
  EXPECT_NE(ReadBytes(folder_ / "sample_nen.csv"), oldHistory);
  EXPECT_EQ(FolderNames(), (std::vector<std::string>{"sample.csv", "sample_nen.csv", "sample_nos.csv"}));
}

TEST_F(BookFiles, AFolderThatTakesNoFilesFailsEveryWrite) {
  // Not even root can create a file in /proc.
  const std::filesystem::path chosen = "/proc/mirelon-book.csv";
  book_.AddRecord(AddressRecord());
  book_.modified = true;
  EXPECT_FALSE(SaveBookFamilyAs(book_, chosen));
  EXPECT_TRUE(book_.modified);
  EXPECT_EQ(prompt_.shown, (std::vector<std::string>{OpenFailure("/proc/mirelon-book.csv"),
                                                     OpenFailure("/proc/mirelon-book_nos.csv"),
                                                     OpenFailure("/proc/mirelon-book_nen.csv")}));
  EXPECT_FALSE(book_.HasFile());
}

TEST_F(BookFiles, SaveAsWritesAllThreeFilesAndTakesTheirFlags) {
  AddressRecord record;
  record.registrationName = "a";
  record.sendHistory = "×"_sjis;
  book_.AddRecord(record);
  book_.year = 2005;
  book_.modified = true;
  ASSERT_TRUE(SaveBookFamilyAs(book_, folder_ / "new_nen.csv"));
  EXPECT_FALSE(book_.modified);
  EXPECT_TRUE(book_.sendExists && book_.noSendExists && book_.historyExists);
  EXPECT_EQ(ReadBytes(folder_ / "new.csv"), "");  // nobody to send to
  EXPECT_EQ(ReadBytes(folder_ / "new_nos.csv"), "a" + std::string(14, ',') + "\r\n");
  EXPECT_EQ(ReadBytes(folder_ / "new_nen.csv"), "2005,×,メモ１,メモ２,\r\na,,,,,,,,×,\r\n"_sjis);

  EXPECT_FALSE(SaveBookFamilyAs(book_, folder_ / "other.txt"));
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{"ファイル名が不正です"_sjis});
  EXPECT_EQ(FolderNames(), (std::vector<std::string>{"new.csv", "new_nen.csv", "new_nos.csv"}));
}

TEST_F(BookFiles, ReplacingKeepsPermissionsAndLinks) {
  CopyFixtures({"sample.csv", "sample_nos.csv", "sample_nen.csv"});
  ASSERT_EQ(ReadBookFamily(book_, folder_ / "sample.csv"), FamilyRead::Read);
  std::filesystem::permissions(folder_ / "sample.csv", std::filesystem::perms::owner_read |
                                                           std::filesystem::perms::owner_write |
                                                           std::filesystem::perms::group_read);
  std::filesystem::rename(folder_ / "sample_nen.csv", folder_ / "real_nen.csv");
  std::filesystem::create_symlink("real_nen.csv", folder_ / "sample_nen.csv");
  book_.notes = "new";
  ASSERT_TRUE(WriteBookFamily(book_));
  EXPECT_EQ(std::filesystem::status(folder_ / "sample.csv").permissions(),
            std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                std::filesystem::perms::group_read);
  EXPECT_TRUE(std::filesystem::is_symlink(folder_ / "sample_nen.csv"));
  EXPECT_NE(ReadBytes(folder_ / "real_nen.csv").find("new\r\n"), std::string::npos);
}

TEST_F(BookFiles, LeftOverHistoriesAreNamedAndComeBackAsOrdinaryRecords) {
  CopyFixtures({"messy.csv", "messy_nen.csv"});
  ASSERT_EQ(ReadBookFamily(book_, folder_ / "messy.csv"), FamilyRead::Read);
  ASSERT_TRUE(HasHistoryOnlyRecords(book_));
  NameUnjoinedHistories(book_);
  EXPECT_TRUE(HasHistoryOnlyRecords(book_));  // named, still history-only until written
  ASSERT_TRUE(SaveBookFamilyAs(book_, folder_ / "messy_copied.csv"));
  ExpectSameBytes("messy_copied.csv", "messy_copied.csv");
  ExpectSameBytes("messy_copied_nos.csv", "messy_copied_nos.csv");
  ExpectSameBytes("messy_copied_nen.csv", "messy_copied_nen.csv");

  ASSERT_EQ(ReadBookFamily(book_, folder_ / "messy_copied.csv"), FamilyRead::Read);
  EXPECT_FALSE(HasHistoryOnlyRecords(book_));
  const AddressRecord& unjoined = book_.record(book_.LowerBound("さとう"_sjis));
  EXPECT_EQ(unjoined.name, "★★★★★"_sjis);
  EXPECT_EQ(unjoined.pairing, Pairing::Joined);
}

TEST(HistoryMerge, JoiningMovesTheHistoryToTheAddressRecord) {
  AddressBook book;
  book.fileKind = BookFileKind::SendFile;
  book.Read("address,100-0001\r\n");
  book.fileKind = BookFileKind::HistoryFile;
  book.Read("2005,x\r\nhistory,tel,,,,memo,,,○,\r\n"_sjis);
  ASSERT_EQ(book.record(1).pairing, Pairing::HistoryOnly);
  JoinHistoryRecord(book, 1, 0);
  ASSERT_EQ(book.recordCount(), 1);
  EXPECT_EQ(book.record(0).registrationName, "address");
  EXPECT_EQ(book.record(0).phone, "tel");
  EXPECT_EQ(book.record(0).sendHistory, "○"_sjis);
  EXPECT_EQ(book.record(0).pairing, Pairing::Joined);
  EXPECT_TRUE(book.modified);
  EXPECT_FALSE(HasHistoryOnlyRecords(book));
}

TEST(PathText, PathsBecomeCp932ForMessages) {
  EXPECT_EQ(PathText("/tmp/住所録ソ.csv"), "/tmp/住所録ソ.csv"_sjis);
  EXPECT_EQ(PathText("/tmp/a\xF0\x9F\x98\x80z.csv"), "/tmp/a?z.csv");
}

}  // namespace
}  // namespace mirelon
