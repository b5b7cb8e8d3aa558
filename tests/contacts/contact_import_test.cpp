// Contacts into a book through its own insertion: the preview leaves the book alone, a known
// record is completed instead of doubled, the limit and renaming are reported by name.
#include <gtest/gtest.h>

#include "contacts/contact_import.h"
#include "contacts_test_support.h"
#include "support/recording_prompt.h"

namespace mirelon {
namespace {

using namespace literals;

Contact Person(int number, std::string reading, std::string name, std::string phone = "", std::string email = "") {
  Contact contact;
  contact.number = number;
  contact.Add(ContactField::RegistrationName, std::move(reading));
  contact.Add(ContactField::Name, std::move(name));
  contact.Add(ContactField::Phone, std::move(phone));
  contact.Add(ContactField::Email, std::move(email));
  return contact;
}

AddressRecord Existing(std::string reading, std::string name, std::string phone) {
  AddressRecord record;
  record.registrationName = Sjis(reading);
  record.name = Sjis(name);
  record.phone = Sjis(phone);
  return record;
}


TEST(ContactImport, ThePreviewCountsWhatTheImportThenDoes) {
  AddressBook book;
  test::RecordingPrompt prompt;
  book.SetPrompt(&prompt);
  book.AddRecord(Existing("ヤマダ　タロウ", "山田　太郎", "03-1"));
  book.AddRecord(Existing("サトウ", "佐藤", "03-2"));
  book.modified = false;
  const ContactsRead contacts{{
      Person(1, "やまだ　たろう", "山田　太郎", "090", "t@example.jp"),  // known: its e-mail is taken, its phone kept
      Person(2, "サトウ", "佐藤", "03-9"),                                // known, nothing empty to fill
      Person(3, "サトウ", "佐藤　花子"),                                  // another person of that reading
      Person(4, "", ""),                                                  // nobody
      Person(5, "", "鈴木"),                                              // no reading
      Person(6, "", "鈴木"),                                              // the same again
  }, {}};
  const ImportSummary preview = PreviewImport(book, contacts);
  EXPECT_EQ(book.recordCount(), 2);
  EXPECT_FALSE(book.modified);
  const ImportSummary done = ImportContacts(book, contacts);
  for (const ImportSummary* summary : {&preview, &done}) {
    EXPECT_EQ(summary->added, 2);
    EXPECT_EQ(summary->updated, 1);
    EXPECT_EQ(summary->unchanged, 2);
    EXPECT_EQ(summary->refused, 1);
    EXPECT_EQ(SummaryLine(*summary), "新規 2件、更新 1件、変更なし 2件、取り込めない 1件");
    EXPECT_EQ(test::ReportTexts(summary->reports),
              (std::vector<std::string>{"1件目「山田　太郎」 電話番号: 住所録の「03-1」のままにしました（連絡先では「090」）",
                                        "2件目「佐藤」 電話番号: 住所録の「03-2」のままにしました（連絡先では「03-9」）",
                                        "3件目「佐藤　花子」 登録名: 「サトウ」はすでにあるため「サトウ-2」としました",
                                        "4件目: 名前も読みもないため取り込みません",
                                        "5件目「鈴木」 登録名: 読みがないため「★★★★★」としました。登録名（フリガナ）を入力してください",
                                        "6件目「鈴木」 登録名: 読みがないため「★★★★★」としました。登録名（フリガナ）を入力してください"}));
  }
  EXPECT_EQ(test::BookFields(book, 19),
            (std::vector<std::string>{"★★★★★|||||||鈴木|||||||||||",
                                      "サトウ|||||||佐藤||||||||03-2|||",
                                      "サトウ-2|||||||佐藤　花子|||||||||||",
                                      "ヤマダ　タロウ|||||||山田　太郎||||||||03-1|||t@example.jp"}));
  EXPECT_TRUE(book.modified);
  EXPECT_TRUE(prompt.shown.empty()) << "the book's messages became reports";
  EXPECT_EQ(&book.Prompt(), &prompt);

  // Imported again, every contact finds its record, the renamed ones too.
  const ImportSummary again = ImportContacts(book, contacts);
  EXPECT_EQ(again.added, 0);
  EXPECT_EQ(again.unchanged, 5);
}

TEST(ContactImport, AFullBookRefusesByNameAndStillCompletesItsRecords) {
  AddressBook book;
  for (int i = 0; i < kBookCapacity; ++i) book.AddRecord(Existing("ア" + std::to_string(i), "", ""));
  const ImportSummary summary =
      ImportContacts(book, {{Person(1, "ア7", "", "03-7"), Person(2, "イ", "井上")}, {}});
  EXPECT_EQ(summary.updated, 1);
  EXPECT_EQ(summary.refused, 1);
  EXPECT_EQ(test::ReportTexts(summary.reports),
            std::vector<std::string>{"2件目「井上」: データ数が1000を超えるため取り込みません"});
  EXPECT_EQ(book.recordCount(), kBookCapacity);
}

}  // namespace
}  // namespace mirelon
