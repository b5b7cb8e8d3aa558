#include "book/address_book.h"

#include <gtest/gtest.h>

#include "support/recording_prompt.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

AddressRecord Named(const std::string& name) {
  AddressRecord record;
  record.registrationName = name;
  return record;
}

std::vector<std::string> Names(const AddressBook& book) {
  std::vector<std::string> names;
  for (const AddressRecord& record : book.records()) names.push_back(record.registrationName);
  return names;
}

std::string RenameMessage(const std::string& from, const std::string& to) {
  return "登録名が重複するので変更しました\r\n\""_sjis + from + "\" → \""_sjis + to + "\"";
}

TEST(AddressBook, ANewBookHasNoFileAndTheDefaultSettings) {
  AddressBook book;
  EXPECT_EQ(book.recordCount(), 0);
  EXPECT_EQ(book.year, CurrentLocalYear());
  EXPECT_EQ(book.nonSendMark + book.memoTitle1 + book.memoTitle2 + book.notes, "×メモ１メモ２"_sjis);
  EXPECT_TRUE(book.file.baseName.empty());
  EXPECT_FALSE(book.HasFile() || book.modified || book.postalCheckDone || book.mismatchOnly);
  EXPECT_TRUE(book.limitWarningEnabled);
  EXPECT_EQ(book.currentPage, 1);
}

TEST(AddressBook, AddRecordKeepsJapaneseOrderAndRenamesFromTheOriginal) {
  AddressBook book;
  EXPECT_FALSE(book.Prompt().Show("q", PromptButtons::OkCancel));  // the default agrees to nothing
  test::RecordingPrompt prompt;
  book.SetPrompt(&prompt);
  for (const char* name : {"やまだ", "あおき", "かとう", "abc", "abc-2", "abd"}) book.AddRecord(Named(Sjis(name)));
  EXPECT_TRUE(prompt.shown.empty());
  EXPECT_EQ(book.AddRecord(Named("いとう"_sjis)), 4);
  book.postalCheckDone = true;
  EXPECT_EQ(book.AddRecord(Named("abc")), 2);
  EXPECT_FALSE(book.postalCheckDone);
  book.AddRecord(Named("表能"_sjis));
  book.AddRecord(Named("表能"_sjis));
  EXPECT_EQ(Names(book), (std::vector<std::string>{"abc", "abc-2", "abc-3", "abd", "あおき"_sjis, "いとう"_sjis,
                                                   "かとう"_sjis, "やまだ"_sjis, "表能"_sjis, "表能-2"_sjis}));
  EXPECT_EQ(prompt.shown,
            (std::vector<std::string>{RenameMessage("abc", "abc-3"), RenameMessage("表能"_sjis, "表能-2"_sjis)}));
  book.postalCheckDone = true;
  book.DeleteRecord(9);
  EXPECT_FALSE(book.postalCheckDone);  // the checked values are per index and have moved
  book.DeleteRecord(0);
  book.DeleteRecord(42);  // no such record
  EXPECT_EQ(book.recordCount(), 8);
  EXPECT_EQ(book.LowerBound("abc-3"), 1);
}

TEST(AddressBook, ResetForReadLeavesNothingOfTheBookBefore) {
  AddressBook book;
  book.AddRecord(Named("あおき"_sjis));
  book.year = 2001;
  book.memoTitle1 = "a";
  book.memoTitle2 = "b";
  book.notes = "old notes";
  book.postalCheckDone = true;
  book.ResetForRead();
  AddressBook fresh;
  EXPECT_EQ(book.recordCount(), 0);
  EXPECT_EQ(book.year, fresh.year);
  EXPECT_EQ(book.memoTitle1 + book.memoTitle2 + book.notes, fresh.memoTitle1 + fresh.memoTitle2);
  EXPECT_FALSE(book.postalCheckDone);
}

TEST(AddressBook, FullBookRefusesWithTheLimitMessageWhileEnabled) {
  AddressBook book;
  for (int i = 0; i < kBookCapacity; ++i) book.AddRecord(Named(std::to_string(10000 + i)));
  test::RecordingPrompt prompt;
  book.SetPrompt(&prompt);
  book.AddRecord(Named("10500"));  // renamed first, then refused
  EXPECT_EQ(book.recordCount(), kBookCapacity);
  EXPECT_EQ(prompt.shown, (std::vector<std::string>{RenameMessage("10500", "10500-2"), "データ数が1000を超えています"_sjis}));
  book.limitWarningEnabled = false;
  EXPECT_FALSE(book.InsertRecordAt(0, Named("x")));
  EXPECT_EQ(prompt.shown.size(), 2u);
}

TEST(AddressBook, AnEditOfWhatTheCheckReadsUnmarksTheRecord) {
  const std::pair<std::string AddressRecord::*, int32_t> cases[] = {
      {&AddressRecord::postalCode, 0}, {&AddressRecord::address2, 0}, {&AddressRecord::company1, 0},
      {&AddressRecord::name, 1000001}, {&AddressRecord::phone, 1000001}};
  for (const auto& [field, valueAfter] : cases) {
    AddressBook book;
    book.AddRecord(Named("a"));
    book.postalCheckValue[0] = 1000001;
    const AddressRecord before = book.record(0);
    book.record(0).*field = "x";
    book.RecordEdited(0, before);
    EXPECT_EQ(book.postalCheckValue[0], valueAfter);
  }
}

// A page written back: in place under its own name (what a page does not show stays), else
// deleted and added in order under the new name with its histories; the full book refuses a new page.
TEST(AddressBook, APageIsWrittenBackInPlaceOrMovedWithItsHistories) {
  const std::string shownHistory = "○×○○○○□"_sjis;
  struct Case {
    int page;
    std::string name;
    int committedPage;
    bool inserted, renamed;
    std::vector<std::string> names;
    std::string sendHistory;
    Pairing pairing;
  };
  const Case cases[] = {
      {2, "いとう"_sjis, 2, false, false, {"あべ"_sjis, "いとう"_sjis, "うえだ"_sjis}, shownHistory, Pairing::Joined},
      {2, "わたなべ"_sjis, 3, true, false, {"あべ"_sjis, "うえだ"_sjis, "わたなべ"_sjis}, shownHistory, Pairing::AddressOnly},
      {2, "あべ"_sjis, 2, true, true, {"あべ"_sjis, "あべ-2"_sjis, "うえだ"_sjis}, shownHistory, Pairing::AddressOnly},
      {4, "ああ"_sjis, 1, true, false, {"ああ"_sjis, "あべ"_sjis, "いとう"_sjis, "うえだ"_sjis}, "", Pairing::AddressOnly},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Cp932ToUtf8(c.name));
    AddressBook book;
    for (const std::string& name : {"あべ"_sjis, "いとう"_sjis, "うえだ"_sjis}) book.AddRecord(Named(name));
    book.record(1).sendHistory = shownHistory;
    book.record(1).pairing = Pairing::Joined;
    AddressRecord edited = book.PageBase(c.page, c.name);
    edited.position = "部長"_sjis;
    const PageCommit commit = book.CommitPage(c.page, edited);
    EXPECT_EQ(commit.page, c.committedPage);
    EXPECT_EQ(commit.inserted, c.inserted);
    EXPECT_EQ(commit.renamed, c.renamed);
    EXPECT_EQ(Names(book), c.names);
    const AddressRecord& stored = book.record(commit.page - 1);
    EXPECT_EQ(stored.position, "部長"_sjis);
    EXPECT_EQ(stored.sendHistory, c.sendHistory);
    EXPECT_EQ(stored.pairing, c.pairing);
  }

  AddressBook full;
  for (int i = 0; i < kBookCapacity; ++i) full.AddRecord(Named(std::to_string(10000 + i)));
  EXPECT_EQ(full.CommitPage(kBookCapacity + 1, Named("x")).page, 0);
  EXPECT_EQ(full.recordCount(), kBookCapacity);
  // A rename of a full book's record is a move, not a new record.
  EXPECT_EQ(full.CommitPage(1, Named("x")).page, kBookCapacity);
  EXPECT_EQ(full.recordCount(), kBookCapacity);
}

TEST(AddressBook, PostalKeysOfFullAndHalfWidthCodesAgree) {
  const std::vector<std::pair<std::string, int32_t>> cases = {
      {"100-0001", 1000001}, {"１００－０００１"_sjis, 1000001}, {"000-0123", 123}, {"12345", -1}, {"", -1},
      {"1234-5678", -1},     {std::string(30, ' ') + "1000001", -1},  // beyond the conversion buffer
  };
  AddressBook book;
  for (size_t i = 0; i < cases.size(); ++i) {
    AddressRecord record = Named(std::to_string(i));
    record.postalCode = cases[i].first;
    book.AddRecord(record);
  }
  book.ComputePostalKeys();
  for (size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(book.postalCheckValue[i], cases[i].second) << cases[i].first;
}

TEST(AddressBook, SetFileNameFindsTheFamilyOfAnyMember) {
  test::TempFolder folder;
  for (const char* name : {"book.csv", "book_nen.csv", "book_imp.csv", "x_NEN.CSV", "_nos.csv"}) {
    test::WriteBytes(folder / name, "");
  }
  AddressBook book;
  for (const char* chosen : {"book.csv", "book_nos.csv", "book_nen.csv"}) {
    ASSERT_TRUE(book.SetFileName(folder / chosen)) << chosen;
    EXPECT_EQ(book.file.directory, folder.path());
    EXPECT_EQ(book.file.baseName, "book");
    EXPECT_TRUE(book.file.sendExists && book.file.historyExists && !book.file.noSendExists && !book.file.importExists);
  }
  EXPECT_EQ(FamilyPath(book.file, BookFileKind::NoSendFile), folder / "book_nos.csv");
  ASSERT_TRUE(book.SetFileName(folder / "book_imp.csv"));
  EXPECT_TRUE(book.file.importExists && !book.file.sendExists);
  // Suffixes are case-sensitive and need a name before them; the extension is kept as given.
  ASSERT_TRUE(book.SetFileName(folder / "x_NEN.CSV"));
  EXPECT_EQ(book.file.baseName, "x_NEN");
  EXPECT_EQ(book.file.extension, ".CSV");
  ASSERT_TRUE(book.SetFileName(folder / "_nos.csv"));
  EXPECT_EQ(book.file.baseName, "_nos");
  // Refused names clear the flags and keep the path; a new name is taken but finds nothing.
  EXPECT_FALSE(book.SetFileName(folder / "book.txt"));
  EXPECT_FALSE(book.SetFileName(folder / std::string(256, 'n').append(".csv")));
  EXPECT_EQ(book.file.baseName, "_nos");
  EXPECT_FALSE(book.SetFileName(folder / "new_nos.csv"));
  EXPECT_EQ(book.file.baseName, "new");
  EXPECT_FALSE(book.HasFile());
}

}  // namespace
}  // namespace mirelon
