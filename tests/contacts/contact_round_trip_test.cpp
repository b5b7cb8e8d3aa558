// The book out and in again: a vCard gives back the address and contact sides of every record, the
// table every field with the histories.
#include <gtest/gtest.h>

#include "book/book_files.h"
#include "book/history_rules.h"
#include "contacts/contact_writer.h"
#include "contacts/contacts_table.h"
#include "contacts_test_support.h"
#include "support/book_fixtures.h"
#include "support/temp_folder.h"

namespace mirelon {
namespace {

using namespace literals;

AddressBook SampleBook() {
  // Read from a copy: reading takes the family's lock file beside it, which has no place in the tree.
  const test::TempFolder folder;
  const std::filesystem::path examples = std::filesystem::path(MIRELON_TEST_DATA) / ".." / ".." / "examples";
  for (const char* name : {"sample.csv", "sample_nos.csv", "sample_nen.csv"}) {
    std::filesystem::copy_file(examples / name, folder / name);
  }
  AddressBook book;
  EXPECT_EQ(ReadBookFamily(book, folder / "sample.csv"), FamilyRead::Read);
  // Records the sample lacks: second bytes 0x5C, a comma, a quote, a backslash, a half-width blank
  // in a name, a taken name's rename, all three joint names, memo 2 alone.
  AddressRecord odd;
  odd.registrationName = "ソノ　ヨウ"_sjis;
  odd.name = "曽能 表"_sjis;
  odd.address1 = "表町1,2\"3\"\\4"_sjis;
  odd.company2 = "能;部"_sjis;
  odd.jointName1 = "一"_sjis;
  odd.jointName2 = "二"_sjis;
  odd.jointHonorific2 = "様"_sjis;
  odd.jointName3 = "三 (四)"_sjis;
  odd.jointHonorific3 = "くん"_sjis;
  odd.memo2 = "二行\r\n目"_sjis;
  book.AddRecord(odd);
  odd.name = "別人"_sjis;
  book.AddRecord(odd);
  return book;
}

TEST(ContactRoundTrip, AVCardGivesTheSameRecordsBack) {
  const AddressBook book = SampleBook();
  AddressBook back;
  back.year = book.year;
  const ImportSummary summary = ImportContacts(back, ReadVCards(WriteVCards(book)));
  EXPECT_EQ(summary.added, book.recordCount());
  EXPECT_EQ(test::ReportTexts(summary.reports), std::vector<std::string>{});
  EXPECT_EQ(test::BookFields(back), test::BookFields(book));
  // Into the book it came from, nothing changes.
  AddressBook same = book;
  const ImportSummary again = ImportContacts(same, ReadVCards(WriteVCards(book)));
  EXPECT_EQ(again.unchanged, book.recordCount());
  EXPECT_EQ(test::ReportTexts(again.reports), std::vector<std::string>{}) << "no value differs";
}

TEST(ContactRoundTrip, TheTableGivesEveryFieldAndHistoryBack) {
  const AddressBook book = SampleBook();
  const std::string table = WriteContactTable(book);
  ASSERT_TRUE(table.starts_with("\xEF\xBB\xBF登録名,郵便番号,住所,住所２行目,"));
  const ContactTable read = ReadContactTable(table);
  const RecognisedColumns columns = RecogniseColumns(read.header);
  ASSERT_TRUE(columns.recognised);
  for (size_t i = 0; i < columns.mapping.size(); ++i) {
    EXPECT_FALSE(columns.mapping[i] == ColumnTarget{}) << read.header[i];
  }
  AddressBook back;
  back.year = book.year;
  ImportContacts(back, ContactsFromTable(read, columns.mapping));
  ASSERT_EQ(back.recordCount(), book.recordCount());
  for (int i = 0; i < book.recordCount(); ++i) {
    AddressRecord expected = book.record(i);
    if (expected.initialSendState.empty()) expected.initialSendState = SendStateText();  // the same state
    EXPECT_EQ(test::Fields(back.record(i), 24), test::Fields(expected, 24));
  }
}

}  // namespace
}  // namespace mirelon
