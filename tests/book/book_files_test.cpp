// The family on disk: fixtures compared byte for byte, the read and write orders, and failures.
#include "book/book_files.h"

#include <gtest/gtest.h>

#include "book/history_merge.h"
#include "book/safe_file.h"
#include "book_files_support.h"
#include "platform/utf8_path.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;
using test::BookFiles;
using test::FileMessage;
using test::kOpenFailed;
using test::ReadBytes;

TEST_F(BookFiles, AFamilyAsTheProgramWritesItComesBackByteForByte) {
  CopySample();
  ASSERT_EQ(ReadBookFamily(book_, folder_ / "sample_nos.csv"), FamilyRead::Read);
  EXPECT_EQ(book_.recordCount(), 3);
  EXPECT_FALSE(HasHistoryOnlyRecords(book_));
  EXPECT_FALSE(book_.modified);
  std::filesystem::remove(folder_ / "sample.csv");
  book_.modified = true;
  EXPECT_TRUE(WriteBookFamily(book_));
  EXPECT_FALSE(book_.modified);
  EXPECT_TRUE(SaveBookFile(book_, BookFileKind::ImportFile));
  ExpectFixtures({"sample.csv", "sample_nos.csv", "sample_nen.csv", "sample_imp.csv"});
  EXPECT_EQ(FileCount(), 5u);  // the lock file, no temporary file left behind
  EXPECT_TRUE(prompt_.shown.empty());
}

TEST_F(BookFiles, ChoosingTheImportFileAsksAndReadsOnlyIt) {
  CopyFixtures({"sample_imp.csv", "sample_nen.csv"});
  book_.nonSendMark = "喪"_sjis;
  book_.AddRecord(AddressRecord());
  prompt_.answers = {false};
  EXPECT_EQ(ReadBookFamily(book_, folder_ / "sample_imp.csv"), FamilyRead::ImportCancelled);
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{"インポートします"_sjis});
  EXPECT_EQ(book_.recordCount(), 1);
  EXPECT_TRUE(book_.file.baseName.empty());  // still the unsaved book, not bound to the import's family
  EXPECT_FALSE(book_.HasFile());

  ASSERT_EQ(ReadBookFamily(book_, folder_ / "sample_imp.csv"), FamilyRead::Read);
  EXPECT_EQ(book_.recordCount(), 3);
  EXPECT_TRUE(book_.modified);
  EXPECT_EQ(book_.year, CurrentLocalYear());  // the history file was not read
  EXPECT_EQ(book_.nonSendMark, "喪"_sjis);     // and the reset keeps the mark
  // Writing then gives the family under the import file's base name.
  EXPECT_TRUE(WriteBookFamily(book_));
  ExpectFixtures({"sample.csv", "sample_nos.csv"});
}

TEST_F(BookFiles, ReadFailuresAreReportedAndTheRestIsRead) {
  book_.AddRecord(AddressRecord());
  for (const char* chosen : {"sample.txt", "missing.csv"}) {
    EXPECT_EQ(ReadBookFamily(book_, folder_ / chosen), FamilyRead::NameRefused) << chosen;
  }
  EXPECT_EQ(prompt_.shown, std::vector<std::string>(2, "ファイル名が不正です"_sjis));
  EXPECT_EQ(book_.recordCount(), 1);

  // The no-send file vanishes after the name was taken; the history file cannot be read.
  CopySample();
  ASSERT_TRUE(book_.SetFileName(folder_ / "sample.csv"));
  std::filesystem::remove(folder_ / "sample_nos.csv");
  std::filesystem::rename(folder_ / "sample_nen.csv", folder_ / "kept_nen.csv");
  std::filesystem::create_directory(folder_ / "sample_nen.csv");
  prompt_.shown.clear();
  book_.ResetForRead();
  EXPECT_FALSE(LoadBookFamilyFiles(book_));
  // A folder cannot be opened as a file, whatever opening it as a stream would say.
  EXPECT_EQ(prompt_.shown, (std::vector<std::string>{FileMessage(folder_ / "sample_nos.csv", kOpenFailed),
                                                     FileMessage(folder_ / "sample_nen.csv", kOpenFailed)}));
  EXPECT_EQ(book_.recordCount(), 2);
}

TEST_F(BookFiles, AFailedWriteIsReportedAndKeepsTheBookModified) {
  CopySample();
  ASSERT_EQ(ReadBookFamily(book_, folder_ / "sample.csv"), FamilyRead::Read);
  book_.notes = "changed";
  book_.modified = true;
  // The no-send file has become a folder: it cannot be replaced, so neither is any other.
  std::filesystem::remove(folder_ / "sample_nos.csv");
  std::filesystem::create_directory(folder_ / "sample_nos.csv");
  EXPECT_FALSE(WriteBookFamily(book_));
  EXPECT_TRUE(book_.modified);
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{FileMessage(folder_ / "sample_nos.csv", kOpenFailed)});
  ExpectFixtures({"sample.csv", "sample_nen.csv"});
  EXPECT_EQ(FileCount(), 4u);  // with the lock file

  // A folder that is not there: the first file fails, nothing is taken as written.
  prompt_.shown.clear();
  const std::filesystem::path nowhere = folder_ / "missing" / "mirelon-book.csv";
  EXPECT_FALSE(SaveBookFamilyAs(book_, nowhere));
  EXPECT_TRUE(book_.modified);
  EXPECT_EQ(book_.file.baseName, "sample");  // still bound to its own files
  EXPECT_TRUE(book_.file.sendExists);
  EXPECT_EQ(prompt_.shown, (std::vector<std::string>{FileMessage(nowhere, kOpenFailed)}));
}

TEST_F(BookFiles, AWriteOverRecordsTheFullBookCouldNotReadIsAskedFirst) {
  std::string text;
  for (int i = 0; i <= kBookCapacity; ++i) text += "n" + std::to_string(1000 + i) + "\r\n";
  test::WriteBytes(folder_ / "big.csv", text);
  ASSERT_EQ(ReadBookFamily(book_, folder_ / "big.csv"), FamilyRead::Incomplete);
  EXPECT_EQ(book_.unreadNames, std::vector<std::string>{"n2000"});
  prompt_.shown.clear();
  prompt_.answers = {false, false};
  EXPECT_FALSE(WriteBookFamily(book_));
  EXPECT_FALSE(SaveBookFamilyAs(book_, folder_ / "big.csv"));  // the same family by name
  EXPECT_EQ(prompt_.shown, std::vector<std::string>(2, "1件のデータが読み込めていません。上書きすると失われます"_sjis));
  EXPECT_EQ(ReadBytes(folder_ / "big.csv"), text);
  // Written elsewhere nothing is lost: the record stays in the files it was not read from.
  EXPECT_TRUE(SaveBookFamilyAs(book_, folder_ / "copy.csv"));
  EXPECT_EQ(prompt_.shown.size(), 2u);
  EXPECT_TRUE(book_.unreadNames.empty());
}

TEST_F(BookFiles, SaveAsWritesAllThreeFilesAndRefusesANonBookName) {
  AddressRecord record;
  record.registrationName = "a";
  record.sendHistory = "×"_sjis;
  book_.AddRecord(record);
  book_.year = 2005;
  EXPECT_FALSE(SaveBookFamilyAs(book_, folder_ / "new.txt"));
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{"ファイル名が不正です"_sjis});
  EXPECT_EQ(FileCount(), 0u);
  ASSERT_TRUE(SaveBookFamilyAs(book_, folder_ / "new_nen.csv"));
  EXPECT_TRUE(book_.file.sendExists && book_.file.noSendExists && book_.file.historyExists);
  EXPECT_EQ(ReadBytes(folder_ / "new.csv"), "");  // nobody to send to
  EXPECT_EQ(ReadBytes(folder_ / "new_nos.csv"), "a" + std::string(14, ',') + "\r\n");
  EXPECT_EQ(ReadBytes(folder_ / "new_nen.csv"), "2005,×,メモ１,メモ２,\r\na,,,,,,,,×,\r\n"_sjis);
}

TEST_F(BookFiles, LeftOverHistoriesAreNamedAndComeBackAsOrdinaryRecords) {
  CopyFixtures({"messy.csv", "messy_nen.csv"});
  ASSERT_EQ(ReadBookFamily(book_, folder_ / "messy.csv"), FamilyRead::Read);
  NameUnjoinedHistories(book_);
  ASSERT_TRUE(SaveBookFamilyAs(book_, folder_ / "messy_copied.csv"));
  ExpectFixtures({"messy_copied.csv", "messy_copied_nos.csv", "messy_copied_nen.csv"});

  ASSERT_EQ(ReadBookFamily(book_, folder_ / "messy_copied.csv"), FamilyRead::Read);
  EXPECT_FALSE(HasHistoryOnlyRecords(book_));
  EXPECT_EQ(book_.record(book_.LowerBound("さとう"_sjis)).name, "★★★★★"_sjis);

  // Joining moves a history to an address record and drops the history-only one.
  book_.Read(BookFileKind::HistoryFile, "2005,x\r\nん,tel,,,,memo\r\n"_sjis);
  const int history = book_.LowerBound("ん"_sjis);
  ASSERT_EQ(book_.record(history).pairing, Pairing::HistoryOnly);
  JoinHistoryRecord(book_, history, 0);
  EXPECT_EQ(book_.recordCount(), 5);
  EXPECT_EQ(book_.record(0).memo1, "memo");
  EXPECT_TRUE(book_.modified);
}

TEST(PathText, PathsBecomeCp932ForMessages) {
  EXPECT_EQ(PathText(PathFromUtf8("/tmp/住所録ソ.csv")), "/tmp/住所録ソ.csv"_sjis);
  EXPECT_EQ(PathText(PathFromUtf8("/tmp/a\xF0\x9F\x98\x80z.csv")), "/tmp/a?z.csv");
  // A name may hold what is no text at all (bytes that are no UTF-8 on Linux, a lone surrogate
  // on Windows): each broken piece is one "?" and the name goes on after it.
  EXPECT_EQ(PathText(PathFromUtf8("/tmp/a\xC3z\xE3\x81xy\xFF" "bc\x80.csv")), "/tmp/a?z?xy?bc?.csv");
}

// The largest book the program writes, 1000 records at every field's byte limit made twice as
// long by quoting and histories over every year, is read back; a save that would write a file
// past the read bound writes nothing, so no file it writes is refused when read.
TEST_F(BookFiles, EveryFileTheProgramWritesCanBeReadBack) {
  const std::string quotes(100, '"');
  std::string history;
  for (int year = 1990; year <= 2100; ++year) history += "\x81\x7e";
  for (int i = 0; i < kBookCapacity; ++i) {
    AddressRecord record;
    for (int n = 1; n <= AddressRecord::kFieldCount; ++n) record.Field(n) = quotes;
    record.registrationName = std::to_string(i) + quotes.substr(4);
    record.sendHistory = record.receiveHistory = history;
    book_.AddRecord(record);
  }
  ASSERT_TRUE(SaveBookFamilyAs(book_, folder_ / "largest.csv"));
  ASSERT_TRUE(SaveBookFile(book_, BookFileKind::ImportFile));
  for (const char* name : {"largest.csv", "largest_imp.csv"}) {
    AddressBook read;
    read.SetPrompt(&prompt_);  // "インポートします": OK
    EXPECT_EQ(ReadBookFamily(read, folder_ / name), FamilyRead::Read) << name;
    EXPECT_EQ(read.recordCount(), kBookCapacity) << name;
    EXPECT_EQ(read.record(7).address2, quotes) << name;
  }
  EXPECT_GT(std::filesystem::file_size(folder_ / "largest_imp.csv"), 4'000'000u);

  // Fields far longer than anyone types, read from a file: each family file fits the bound, the
  // import file would not.
  for (int i = 0; i < kBookCapacity; ++i) book_.record(i).memo1 = std::string(6 * 1024, 'm');
  for (int i = 0; i < kBookCapacity; ++i) book_.record(i).address1 = std::string(6 * 1024, 'a');
  ASSERT_TRUE(WriteBookFamily(book_));
  const std::string before = ReadBytes(folder_ / "largest_imp.csv");
  prompt_.shown.clear();
  EXPECT_FALSE(SaveBookFile(book_, BookFileKind::ImportFile));
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{PathText(folder_ / "largest_imp.csv") +
                                                    "\r\n読み込める大きさ (16MB) を超えるので書き込みませんでした"_sjis});
  EXPECT_EQ(ReadBytes(folder_ / "largest_imp.csv"), before);
}

// A file of one name repeated: every rename in one list with its count, the limit once, and the
// lines past the limit neither renamed nor reported.
TEST_F(BookFiles, RepeatedMessagesOfOneReadComeAsOneList) {
  std::string content;
  for (int i = 0; i < 5000; ++i) content += "name,1\r\n";
  test::WriteBytes(folder_ / "repeated.csv", content);
  EXPECT_EQ(ReadBookFamily(book_, folder_ / "repeated.csv"), FamilyRead::Incomplete);
  EXPECT_EQ(book_.recordCount(), kBookCapacity);
  ASSERT_EQ(prompt_.shown.size(), 2u);
  EXPECT_TRUE(prompt_.shown[0].starts_with("登録名が重複するので変更しました（999件）\r\n\"name\" → \"name-2\"\r\n"_sjis));
  EXPECT_TRUE(prompt_.shown[0].ends_with("\"name\" → \"name-1000\""_sjis));
  EXPECT_TRUE(prompt_.shown[1].starts_with("データ数が1000を超えています\r\n次の4000件は読み込めませんでした："_sjis));
}

// Another window or program holding the family: the read and the save wait, then say so and
// change nothing.
TEST_F(BookFiles, ABusyFamilyIsReportedAndLeftAlone) {
  CopySample();
  const FamilyLock held(folder_ / "sample.csv", std::chrono::milliseconds(0));
  ASSERT_FALSE(held.busy());
  const std::string busy = "\r\nほかのウィンドウかプログラムがこの住所録を使っています\r\n"
                           "しばらくしてからもう一度操作してください"_sjis;
  EXPECT_EQ(ReadBookFamily(book_, folder_ / "sample.csv"), FamilyRead::Busy);
  EXPECT_EQ(book_.recordCount(), 0);
  book_.SetFileName(folder_ / "sample.csv");
  EXPECT_EQ(WriteBookFamily(book_).outcome, FamilySave::Busy);
  EXPECT_EQ(prompt_.shown, (std::vector<std::string>{PathText(folder_ / "sample.csv") + busy,
                                                     PathText(folder_ / "sample.csv") + busy}));
  ExpectFixtures({"sample.csv", "sample_nos.csv", "sample_nen.csv"});
}

}  // namespace
}  // namespace mirelon
