// Contacts files of phones, older phones and spreadsheets read into a fresh book: every field where
// it belongs, every loss reported.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <map>

#include "contacts/contact_record.h"
#include "contacts/contacts_table.h"
#include "contacts/vcard_reader.h"
#include "contacts_test_support.h"

namespace mirelon {
namespace {

using test::ContactFixture;

// A record's fields 1-21 from the non-empty ones.
std::string Record(std::initializer_list<std::pair<const int, std::string>> fields) {
  const std::map<int, std::string> given(fields);
  std::string line;
  for (int n = 1; n <= 21; ++n) line += (n > 1 ? "|" : "") + (given.count(n) ? given.at(n) : std::string());
  return line;
}

struct FileCase {
  const char* file;
  std::vector<std::string> records;  // in book order
  std::vector<ContactIssue> issues;
};

class ContactFiles : public ::testing::TestWithParam<FileCase> {};

TEST_P(ContactFiles, GiveTheirRecordsAndReports) {
  const FileCase& c = GetParam();
  ContactSource source;
  ASSERT_EQ(ReadContactFile(ContactFixture(c.file), source), ContactFileRead::Read);
  ASSERT_TRUE(source.kind == ContactFileKind::VCard || source.columnsKnown);
  AddressBook book;
  const ImportSummary summary = ImportContacts(book, source.Contacts());
  EXPECT_EQ(test::BookFields(book), c.records);
  std::vector<ContactIssue> issues;
  for (const ContactReport& report : summary.reports) issues.push_back(report.issue);
  EXPECT_EQ(issues, c.issues) << ::testing::PrintToString(test::ReportTexts(summary.reports));
  EXPECT_TRUE(book.modified);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ContactFiles,
    ::testing::Values(
        // Phonetic fields in hiragana, the home address of a grouped pair, a photo skipped, a
        // character Shift-JIS lacks, an address too long, a card without a reading.
        FileCase{"phone_export.vcf",
                 {Record({{1, "★★★★★"}, {8, "上田　誠"}, {18, "080-9999-0000"}}),
                  Record({{1, "アオキ　タロウ"}, {2, "100-0005"}, {3, "東京都千代田区丸の内１－１－１"},
                          {4, "丸の内ソフトビル１２階"}, {5, "丸の内ソフト株式会社"}, {6, "営業部, 第二課"},
                          {7, "部長"}, {8, "青木　太郎"}, {16, "03-1111-2222"}, {17, "03-1111-2223"},
                          {18, "090-1234-5678"}, {19, "taro@example.jp"},
                          {20, "年賀状は毎年\r\n元旦に届くように; 必ず"}}),
                  Record({{1, "イトウ　ケンジ"}, {2, "530-0001"}, {3, "大阪府大阪市北区梅田２－４－９"},
                          {8, "伊藤　健司"}, {16, "06-1234-5678"}}),
                  Record({{1, "ヨシダ　ヨシオ"}, {2, "123-4567"}, {19, "yoshio@example.jp"}})},
                 {ContactIssue::ExtraValue, ContactIssue::ExtraValue, ContactIssue::Unencodable,
                  ContactIssue::TooLong, ContactIssue::NoReading}},
        // 2.1 in Shift-JIS quoted-printable: encoded and plain separators, soft breaks, a
        // half-width reading, second bytes 0x5C.
        FileCase{"old_phone_sjis.vcf",
                 {Record({{1, "ヒョウ　ノト"}, {2, "926-0001"}, {3, "石川県七尾市表町１－２"},
                          {4, "ソレイユ表町２０３"}, {8, "表　能登"}, {16, "0761-22-3344"},
                          {18, "090-1111-2222"}, {20, "能楽の会、表方"}})},
                 {}},
        // 4.0: SORT-AS, quoted TYPE lists, tel: URIs in the international form.
        FileCase{"v4_card.vcf",
                 {Record({{1, "エンドウ　セイイチ"}, {2, "980-0811"}, {3, "宮城県仙台市青葉区一番町１－２"},
                          {5, "東北能楽堂"}, {7, "館長"}, {8, "遠藤　誠一"}, {16, "022-123-4567"},
                          {18, "090-8765-4321"}, {19, "seiichi@example.jp"}, {20, "能楽堂の館長"}})},
                 {}},
        // A phone's table: a note over two lines, a Latin address, columns with no place.
        FileCase{"phone_contacts.csv",
                 {Record({{1, "オカダ　ハナコ"}, {2, "460-0008"}, {3, "愛知県名古屋市中区栄３－１５－３３"},
                          {8, "岡田　花子"}, {16, "052-111-2222"}, {18, "090-2222-3333"},
                          {19, "hanako@example.jp"}, {20, "一行目\r\n二行目"}}),
                  Record({{1, "スミス"}, {2, "106-0032"}, {3, "Tokyo 1-2-3 Roppongi, Minato"}, {5, "Example Ltd."},
                          {7, "Manager"}, {8, "Smith　Ken"}, {19, "ken@example.com"}})},
                 {ContactIssue::UnusedColumns}},
        // A Japanese card program's table in Shift-JIS: joint names, honorifics, quoted commas.
        FileCase{"card_software_sjis.csv",
                 {Record({{1, "オモテ　ヨシコ"}, {2, "600-8216"}, {3, "京都府京都市下京区烏丸通七条下ル"},
                          {4, "ソ,表ビル５階"}, {5, "表計算株式会社"}, {6, "\"能\"楽部"}, {7, "課長"},
                          {8, "表　能子"}, {9, "様"}, {10, "表　一郎"}, {11, "様"}, {16, "075-111-2222"},
                          {17, "075-111-2223"}, {18, "080-3333-4444"}, {19, "yoshiko@example.jp"}}),
                  Record({{1, "カトウ　ヒロシ"}, {2, "812-0011"}, {3, "福岡県福岡市博多区博多駅前１－１"},
                          {8, "加藤　博"}, {9, "様"}, {10, "明美"}, {11, "様"}, {16, "092-000-1111"}})},
                 {ContactIssue::UnusedColumns}}),
    [](const ::testing::TestParamInfo<FileCase>& info) {
      std::string name = info.param.file;
      for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
      return name;
    });

// One card's text, read and made a record of a book of 2024.
std::string CardRecord(const std::string& properties, std::vector<ContactReport>* reports = nullptr) {
  ContactsRead read = ReadVCards("BEGIN:VCARD\r\nVERSION:3.0\r\n" + properties + "END:VCARD\r\n");
  std::vector<ContactReport> local;
  std::vector<ContactReport>& out = reports ? *reports : local;
  out.insert(out.end(), read.reports.begin(), read.reports.end());
  if (read.contacts.size() != 1) return "cards: " + std::to_string(read.contacts.size());
  return test::Fields(ToRecord(read.contacts.front(), 2024, out).record);
}

struct CardCase {
  const char* what;
  std::string properties;
  std::string record;
};

TEST(VCardProperties, AreReadAsPhonesWriteThem) {
  const CardCase cases[] = {
      {"folded inside a character's bytes", "N:山田;太\r\n 郎;;;\r\nSORT-STRING:やまだ\r\n",
       Record({{1, "ヤマダ"}, {8, "山田　太郎"}})},
      {"escapes", "FN:a\\,b\\;c\\\\d\r\nSORT-STRING:x\r\n", Record({{1, "x"}, {8, "a,b;c\\d"}})},
      {"half-width kana and Latin in a reading", "FN:x\r\nSORT-STRING:ﾔﾏﾀﾞ-2 ﾎﾟﾁ\r\n",
       Record({{1, "ヤマダ-2 ポチ"}, {8, "x"}})},
      {"the formatted name stands in for N", "FN:山田 花子\r\nX-PHONETIC-LAST-NAME:やまだ\r\n",
       Record({{1, "ヤマダ"}, {8, "山田 花子"}})},
      {"a work address when there is no other, extra street lines to line 2",
       "FN:x\r\nSORT-STRING:x\r\nADR;TYPE=WORK:;;本町1\\n3階;港区;東京都;〒１０５－０００１;\r\n",
       Record({{1, "x"}, {2, "105-0001"}, {3, "東京都港区本町1"}, {4, "3階"}, {8, "x"}})},
      {"a foreign postal code kept as given", "FN:x\r\nSORT-STRING:x\r\nADR:;;1 Main St;;;SW1A 1AA;\r\n",
       Record({{1, "x"}, {2, "SW1A 1AA"}, {3, "1 Main St"}, {8, "x"}})},
      {"line breaks outside the memos become blanks", "FN:x\r\nSORT-STRING:x\r\nTITLE:部長\\n兼務\r\n",
       Record({{1, "x"}, {7, "部長 兼務"}, {8, "x"}})},
      {"joint names back from the note's closing lines",
       "FN:x\r\nSORT-STRING:x\r\nNOTE:メモ\\n連名１: 花子 (様)\\n連名２: 一郎\r\nNOTE:二つ目\r\n",
       Record({{1, "x"}, {8, "x"}, {10, "花子"}, {11, "様"}, {12, "一郎"}, {20, "メモ"}, {21, "二つ目"}})},
      {"a property of a group, and one in base64", "FN:x\r\nSORT-STRING:x\r\nitem3.EMAIL:a@b.jp\r\nNOTE;ENCODING=b:44GC\r\n",
       Record({{1, "x"}, {8, "x"}, {19, "a@b.jp"}})},
  };
  for (const CardCase& c : cases) EXPECT_EQ(CardRecord(c.properties), c.record) << c.what;
}

// Quoted-printable of every byte, as older phones encoded Shift-JIS.
std::string QuotedPrintable(std::string_view bytes) {
  std::string encoded;
  for (const char c : bytes) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "=%02X", static_cast<unsigned char>(c));
    encoded += hex;
  }
  return encoded;
}

TEST(VCardProperties, ShiftJisWithoutACharacterSetIsReadAsOlderPhonesMeantIt) {
  // Second bytes 0x5C and a semicolon right after one: only a decoded text is split.
  const std::string note = QuotedPrintable(Sjis("表;ソ能"));
  EXPECT_EQ(CardRecord("FN:x\r\nSORT-STRING:x\r\nORG;ENCODING=QUOTED-PRINTABLE:" + note + "\r\n"),
            Record({{1, "x"}, {5, "表"}, {6, "ソ能"}, {8, "x"}}));
  EXPECT_EQ(CardRecord("FN:x\r\nSORT-STRING:" + Sjis("ﾔﾏﾀﾞ") + "\r\n"), Record({{1, "ヤマダ"}, {8, "x"}}));
}

struct LimitCase {
  const char* what;
  std::string properties;
  ContactIssue issue;
  std::string report;
};

TEST(VCardProperties, WhatTheBookCannotHoldIsReportedAndLeftEmpty) {
  const std::string hundred(100, 'a');
  const LimitCase cases[] = {
      {"an emoji in the title", "TITLE:部長😀\r\n", ContactIssue::Unencodable,
       "1件目「x」 身分・役職等: 「😀」は Shift-JIS にない文字のため、この項目は空にしました（「部長😀」）"},
      {"an honorific of 22 bytes", "N:x;;;;様様様様様様様様様様様\r\n", ContactIssue::TooLong,
       "1件目「x」 敬称: 22バイトあり、20バイトを超えるため、この項目は空にしました（「様様様様様様様様様様様」）"},
      {"an address line of 101 bytes", "ADR:;;" + hundred + "b;;;;\r\n", ContactIssue::TooLong,
       "1件目「x」 住所: 101バイトあり、100バイトを超えるため、この項目は空にしました（「" + hundred + "b」）"},
      {"a text in a character set not known", "NOTE;CHARSET=KOI8-R:\xC1\xC2\r\n", ContactIssue::Unreadable,
       "1件目「x」 NOTE: 文字コード KOI8-R として読めないため取り込みません"},
  };
  for (const LimitCase& c : cases) {
    std::vector<ContactReport> reports;
    const std::string record = CardRecord("FN:x\r\nSORT-STRING:x\r\n" + c.properties, &reports);
    EXPECT_EQ(record, Record({{1, "x"}, {8, "x"}})) << c.what;
    ASSERT_EQ(reports.size(), 1u) << c.what;
    EXPECT_EQ(reports[0].issue, c.issue) << c.what;
    EXPECT_EQ(reports[0].text, c.report) << c.what;
  }
  // A reading is measured in the full-width katakana it is kept in: 51 half-width kana are 102 bytes.
  std::string halfWidthKana;
  for (int i = 0; i < 51; ++i) halfWidthKana += "ｱ";
  std::vector<ContactReport> reports;
  EXPECT_EQ(CardRecord("FN:x\r\nSORT-STRING:" + halfWidthKana + "\r\n", &reports), Record({{1, "★★★★★"}, {8, "x"}}));
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_EQ(reports[0].issue, ContactIssue::TooLong);
  EXPECT_EQ(reports[1].issue, ContactIssue::NoReading);
  // 100 bytes and a 20-byte honorific are what the fields take.
  EXPECT_EQ(CardRecord("FN:x\r\nSORT-STRING:x\r\nADR:;;" + hundred + ";;;;\r\n"),
            Record({{1, "x"}, {3, hundred}, {8, "x"}}));
}

TEST(VCardFile, ACardCutShortIsReadAndReported) {
  const ContactsRead read = ReadVCards("BEGIN:VCARD\nFN:a\nEND:VCARD\nBEGIN:VCARD\nFN:b\n");
  ASSERT_EQ(read.contacts.size(), 2u);
  EXPECT_EQ(read.contacts[1].First(ContactField::Name), "b");
  ASSERT_EQ(read.reports.size(), 1u);
  EXPECT_EQ(read.reports[0].issue, ContactIssue::Unreadable);
}

struct HeaderCase {
  std::vector<std::string> header;
  bool recognised;
};

TEST(ContactTableColumns, AreRecognisedByNamesThatNameSomeone) {
  const HeaderCase cases[] = {
      {{"姓", "名", "住所1"}, true},
      {{" Last Name ", "E-mail Address"}, true},
      {{"ふりがな", "電話"}, true},
      {{"郵便番号", "住所", "電話"}, false},  // no one to name
      {{"お名前", "所在地"}, false},
  };
  for (const HeaderCase& c : cases) {
    EXPECT_EQ(RecogniseColumns(c.header).recognised, c.recognised) << ::testing::PrintToString(c.header);
  }
  const auto year = KnownColumn("受信 2023");
  ASSERT_TRUE(year);
  EXPECT_EQ(year->kind, ColumnTarget::Kind::ReceiveMark);
  EXPECT_EQ(year->year, 2023);
  EXPECT_FALSE(KnownColumn("送信 23"));
}

TEST(ContactTableColumns, AMapPlacesUnknownColumnsAndNamesWhatItCannotTake) {
  ContactSource source;
  ASSERT_EQ(ReadContactFile(ContactFixture("unknown_header.csv"), source), ContactFileRead::Read);
  EXPECT_FALSE(source.columnsKnown);
  EXPECT_FALSE(source.table.shiftJis);
  const struct {
    std::string map;
    std::string error;
  } errors[] = {
      {"お名前", "「お名前」は 列名=項目 の形ではありません"},
      {"お名前=ふりがな", "「ふりがな」という項目はありません"},
      {"氏名=name", "「氏名」という列はありません"},
  };
  for (const auto& c : errors) {
    ColumnMapping mapping = source.columns;
    EXPECT_EQ(ApplyColumnMap(c.map, source.table.header, mapping).value_or(""), c.error) << c.map;
  }
  const std::string map = "お名前=name,おなまえ(かな)=登録名,〒番号=postalCode,所在地=address1,連絡先TEL=電話番号";
  ASSERT_FALSE(ApplyColumnMap(map, source.table.header, source.columns));
  EXPECT_EQ(ColumnMapText(source.table.header, source.columns),
            "お名前=name,おなまえ(かな)=registrationName,〒番号=postalCode,所在地=address1,連絡先TEL=phone");
  AddressBook book;
  const ImportSummary summary = ImportContacts(book, source.Contacts());
  EXPECT_EQ(test::BookFields(book),
            (std::vector<std::string>{
                Record({{1, "ハヤシ　ジロウ"}, {2, "154-0002"}, {3, "東京都世田谷区下馬２－２"}, {8, "林　二郎"}}),
                Record({{1, "モリ　イチロウ"}, {2, "154-0001"}, {3, "東京都世田谷区池尻１－１"}, {8, "森　一郎"},
                        {16, "03-5555-6666"}})}));
  EXPECT_EQ(test::ReportTexts(summary.reports),
            std::vector<std::string>{"取り込み先のない列 「グループ」 は取り込みません"});

  // Kept in the settings, the map applies to the columns of another table that it names.
  MemorySettingsStore settings;
  StoreColumnMap(settings, ColumnMapText(source.table.header, source.columns));
  const ColumnMapping stored = MappingFromStored(settings, {"所在地", "グループ", "姓"});
  EXPECT_EQ(stored, (ColumnMapping{{ColumnTarget::Kind::Field, ContactField::Address1, 0},
                                   {ColumnTarget::Kind::Field, ContactField::Ignore, 0},
                                   {ColumnTarget::Kind::Field, ContactField::FamilyName, 0}}));
}

TEST(ContactTableText, QuotedCellsAndEncodings) {
  const ContactTable table = ReadContactTable("\xEF\xBB\xBF" "a,b\r\n\"x,\"\"y\"\"\nz\",\r\n\r\nlast");
  EXPECT_FALSE(table.shiftJis);
  EXPECT_EQ(table.header, (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(table.rows, (std::vector<std::vector<std::string>>{{"x,\"y\"\nz", ""}, {"last"}}));
  // Shift-JIS with a comma right after a 0x5C second byte.
  const ContactTable sjis = ReadContactTable(Sjis("名前,住所\r\n表,ソ能\r\n"));
  EXPECT_TRUE(sjis.shiftJis);
  EXPECT_EQ(sjis.rows, (std::vector<std::vector<std::string>>{{"表", "ソ能"}}));
  // A value in a cell no column name heads is not dropped unsaid.
  const ContactTable longer = ReadContactTable("名前\r\nA,x\r\nB,\r\nC,,y\r\n");
  EXPECT_EQ(test::ReportTexts(ContactsFromTable(longer, RecogniseColumns(longer.header).mapping).reports),
            std::vector<std::string>{"列名のない列の値（1件目、3件目）は取り込みません"});
}

TEST(PostalCode, IsWrittenAsTheUserTypesIt) {
  const std::pair<const char*, const char*> cases[] = {
      {"1000005", "100-0005"}, {"100-0005", "100-0005"}, {"〒１００－０００５", "100-0005"},
      {" 100 0005 ", "100-0005"}, {"10000", "10000"}, {"SW1A 1AA", "SW1A 1AA"}, {"", ""},
  };
  for (const auto& [given, typed] : cases) EXPECT_EQ(Cp932ToUtf8(PostalCodeAsTyped(Sjis(given))), typed) << given;
}

}  // namespace
}  // namespace mirelon
