#include "book/address_book.h"

#include <gtest/gtest.h>

#include "support/recording_prompt.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;
using test::RecordingPrompt;

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

// A book holding `count` records named 0000, 0001, …
void Fill(AddressBook& book, int count) {
  char name[8];
  for (int i = 0; i < count; ++i) {
    std::snprintf(name, sizeof name, "%04d", i);
    book.AddRecord(Named(name));
  }
}

TEST(AddressBook, StartsEmptyWithTheDefaults) {
  const AddressBook book;
  EXPECT_EQ(book.recordCount(), 0);
  EXPECT_EQ(book.year, CurrentLocalYear());
  EXPECT_EQ(book.nonSendMark, "×"_sjis);
  EXPECT_EQ(book.memoTitle1, "メモ１"_sjis);
  EXPECT_EQ(book.memoTitle2, "メモ２"_sjis);
  EXPECT_FALSE(book.HasFile());
  EXPECT_EQ(book.baseName, "");
  EXPECT_FALSE(book.modified);
  EXPECT_TRUE(book.limitWarningEnabled);
  EXPECT_EQ(book.currentPage, 1);
}

TEST(AddressBook, DefaultPromptAgreesToNothing) {
  AddressBook book;
  EXPECT_FALSE(book.Prompt().Show("q", PromptButtons::OkCancel));
  RecordingPrompt prompt;
  book.SetPrompt(&prompt);
  EXPECT_TRUE(book.Prompt().Show("q", PromptButtons::OkCancel));
  book.SetPrompt(nullptr);
  EXPECT_FALSE(book.Prompt().Show("q", PromptButtons::YesNo));
}

TEST(AddRecord, InsertsInJapaneseOrder) {
  AddressBook book;
  RecordingPrompt prompt;
  book.SetPrompt(&prompt);
  for (const char* name : {"やまだ", "あおき", "かとう", "いとう"}) book.AddRecord(Named(Sjis(name)));
  EXPECT_EQ(book.AddRecord(Named("うえだ"_sjis)), 2);
  EXPECT_EQ(Names(book), (std::vector<std::string>{"あおき"_sjis, "いとう"_sjis, "うえだ"_sjis, "かとう"_sjis,
                                                   "やまだ"_sjis}));
  EXPECT_TRUE(prompt.shown.empty());
}

TEST(AddRecord, RenamesATakenNameFromTheOriginal) {
  AddressBook book;
  RecordingPrompt prompt;
  book.SetPrompt(&prompt);
  book.AddRecord(Named("abc"));
  book.AddRecord(Named("abc-2"));
  book.AddRecord(Named("abd"));
  book.postalCheckDone = true;
  const int index = book.AddRecord(Named("abc"));
  EXPECT_EQ(book.record(index).registrationName, "abc-3");
  EXPECT_EQ(Names(book), (std::vector<std::string>{"abc", "abc-2", "abc-3", "abd"}));
  EXPECT_EQ(prompt.shown, std::vector<std::string>{RenameMessage("abc", "abc-3")});
  EXPECT_FALSE(book.postalCheckDone);
  // Double-byte names too; the bytes of the message are the names' own.
  book.AddRecord(Named("表能"_sjis));
  book.AddRecord(Named("表能"_sjis));
  EXPECT_EQ(prompt.shown.back(), RenameMessage("表能"_sjis, "表能-2"_sjis));
}

TEST(AddRecord, FullBookRefusesWithTheLimitMessageWhileEnabled) {
  AddressBook book;
  Fill(book, kBookCapacity);
  RecordingPrompt prompt;
  book.SetPrompt(&prompt);
  book.AddRecord(Named("0500"));  // renamed first, then refused
  EXPECT_EQ(book.recordCount(), kBookCapacity);
  EXPECT_EQ(prompt.shown, (std::vector<std::string>{RenameMessage("0500", "0500-2"), "データ数が1000を超えています"_sjis}));
  book.limitWarningEnabled = false;
  EXPECT_FALSE(book.InsertRecordAt(0, Named("x")));
  EXPECT_EQ(prompt.shown.size(), 2u);
  EXPECT_EQ(book.record(0).registrationName, "0000");
}

TEST(DeleteRecord, ClosesTheGap) {
  AddressBook book;
  Fill(book, 3);
  book.postalCheckDone = true;
  book.DeleteRecord(2);
  EXPECT_EQ(Names(book), (std::vector<std::string>{"0000", "0001"}));
  EXPECT_FALSE(book.postalCheckDone);
  book.DeleteRecord(0);
  EXPECT_EQ(Names(book), std::vector<std::string>{"0001"});
  book.DeleteRecord(5);  // no such record: nothing happens
  EXPECT_EQ(book.recordCount(), 1);
  // The order still holds for the next insertion.
  EXPECT_EQ(book.AddRecord(Named("0000")), 0);
  EXPECT_EQ(book.LowerBound("0001"), 1);
  EXPECT_EQ(book.LowerBound("9"), 2);
}

TEST(ComputePostalKeys, FullAndHalfWidthCodesGiveTheSameKey) {
  const std::vector<std::pair<std::string, int32_t>> cases = {
      {"100-0001", 1000001}, {"１００－０００１"_sjis, 1000001}, {"000-0123", 123},
      {"12345", -1},         {"", -1},                            {"1234-5678", -1},
      {std::string(30, ' ') + "1000001", -1},  // longer than the conversion buffer
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

TEST(ResetForRead, KeepsTheNonSendMark) {
  AddressBook book;
  Fill(book, 2);
  book.year = 2001;
  book.nonSendMark = "喪"_sjis;
  book.memoTitle1 = "x";
  book.notes = "n";
  book.ResetForRead();
  EXPECT_EQ(book.recordCount(), 0);
  EXPECT_EQ(book.year, CurrentLocalYear());
  EXPECT_EQ(book.memoTitle1, "メモ１"_sjis);
  EXPECT_EQ(book.notes, "");
  EXPECT_EQ(book.nonSendMark, "喪"_sjis);
}

class SetFileName : public ::testing::Test {
 protected:
  void Touch(const std::string& name) { test::WriteBytes(folder_ / name, ""); }
  std::string Folder() const { return (folder_.path() / "").string(); }

  test::TempFolder folder_;
  AddressBook book_;
};

TEST_F(SetFileName, AnyMemberOfTheFamilyNamesTheBook) {
  Touch("book.csv");
  Touch("book_nen.csv");
  for (const char* chosen : {"book.csv", "book_nos.csv", "book_nen.csv"}) {
    EXPECT_TRUE(book_.SetFileName(folder_ / chosen)) << chosen;
    EXPECT_EQ(book_.directory, Folder());
    EXPECT_EQ(book_.baseName, "book");
    EXPECT_EQ(book_.extension, ".csv");
    EXPECT_TRUE(book_.sendExists);
    EXPECT_FALSE(book_.noSendExists);
    EXPECT_TRUE(book_.historyExists);
    EXPECT_FALSE(book_.importExists);
  }
  for (const auto& [kind, name] : {std::pair{BookFileKind::ImportFile, "book_imp.csv"},
                                   std::pair{BookFileKind::SendFile, "book.csv"},
                                   std::pair{BookFileKind::NoSendFile, "book_nos.csv"},
                                   std::pair{BookFileKind::HistoryFile, "book_nen.csv"}}) {
    book_.fileKind = kind;
    EXPECT_EQ(book_.FilePathForKind(), folder_ / name);
  }
}

TEST_F(SetFileName, ImportNameSelectsOnlyTheImportFile) {
  Touch("book.csv");
  Touch("book_imp.csv");
  EXPECT_TRUE(book_.SetFileName(folder_ / "book_imp.csv"));
  EXPECT_TRUE(book_.importExists);
  EXPECT_FALSE(book_.sendExists);
  EXPECT_EQ(book_.baseName, "book");
}

TEST_F(SetFileName, SuffixesAreCaseSensitiveAndNeedANameBeforeThem) {
  Touch("book_NEN.CSV");
  EXPECT_TRUE(book_.SetFileName(folder_ / "book_NEN.CSV"));
  EXPECT_EQ(book_.baseName, "book_NEN");
  EXPECT_EQ(book_.extension, ".CSV");
  EXPECT_TRUE(book_.sendExists);
  Touch("_nos.csv");
  EXPECT_TRUE(book_.SetFileName(folder_ / "_nos.csv"));
  EXPECT_EQ(book_.baseName, "_nos");
}

TEST_F(SetFileName, RefusedNamesClearTheFlagsAndKeepThePath) {
  Touch("book.csv");
  ASSERT_TRUE(book_.SetFileName(folder_ / "book.csv"));
  Touch("other.txt");
  EXPECT_FALSE(book_.SetFileName(folder_ / "other.txt"));
  EXPECT_FALSE(book_.HasFile());
  EXPECT_EQ(book_.baseName, "book");
  EXPECT_FALSE(book_.SetFileName(folder_ / std::string(256, 'n').append(".csv")));
  EXPECT_EQ(book_.baseName, "book");
  // A book none of whose files exists takes the name but reports false.
  EXPECT_FALSE(book_.SetFileName(folder_ / "new_nos.csv"));
  EXPECT_EQ(book_.baseName, "new");
  EXPECT_FALSE(book_.HasFile());
}

}  // namespace
}  // namespace mirelon
