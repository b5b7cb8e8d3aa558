// Reading and writing the text of one file of the family.
#include <gtest/gtest.h>

#include "book/address_book.h"
#include "book/history_rules.h"
#include "support/recording_prompt.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;
using namespace std::string_literals;
using test::RecordingPrompt;

class BookText : public ::testing::Test {
 protected:
  BookText() { book_.SetPrompt(&prompt_); }

  int Read(BookFileKind kind, const std::string& text) {
    book_.fileKind = kind;
    return book_.Read(text);
  }
  std::string Write(BookFileKind kind) {
    book_.fileKind = kind;
    return book_.Write();
  }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const AddressRecord& record : book_.records()) names.push_back(record.registrationName);
    return names;
  }

  RecordingPrompt prompt_;
  AddressBook book_;
};

TEST_F(BookText, HistoryHeaderOfADefaultBook) {
  book_.year = 2005;
  EXPECT_EQ(Write(BookFileKind::HistoryFile), "2005,×,メモ１,メモ２,\r\n"_sjis);
  book_.notes = "一,二\r\n三"_sjis;
  EXPECT_EQ(Write(BookFileKind::HistoryFile), "2005,×,メモ１,メモ２,\"一,二\\n三\"\r\n"_sjis);
}

TEST_F(BookText, HistoryHeaderYearIsTakenOnlyWithinRange) {
  for (const auto& [text, expected] : {std::pair{"1989", 2002}, std::pair{"1990", 1990}, std::pair{"2100", 2100},
                                       std::pair{"2101", 2002}, std::pair{"", 2002}, std::pair{"x", 2002}}) {
    book_.year = 2002;
    Read(BookFileKind::HistoryFile, std::string(text) + ",x\r\n");
    EXPECT_EQ(book_.year, expected) << text;
  }
}

TEST_F(BookText, HistoryHeaderMarkIsCutAndNormalised) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"x", " x"}, {"□"_sjis, "×"_sjis}, {"", "×"_sjis}, {"喪中"_sjis, "喪"_sjis}, {"abc", "ab"}, {"a喪"_sjis, " a"},
  };
  for (const auto& [field, expected] : cases) {
    Read(BookFileKind::HistoryFile, "2005," + field + ",t1,,a\\nb\r\n");
    EXPECT_EQ(book_.nonSendMark, expected) << field;
    EXPECT_EQ(book_.memoTitle1, "t1");
    EXPECT_EQ(book_.memoTitle2, "");
    EXPECT_EQ(book_.notes, "a\r\nb");
  }
}

TEST_F(BookText, HistoryLinesJoinTheirAddressDataByName) {
  Read(BookFileKind::SendFile, "b,addr-b\r\na,addr-a\r\n"_sjis);
  Read(BookFileKind::HistoryFile, "2005,x\r\na,tel-a\r\nc,tel-c,,,,m1\\nm2\r\nc,tel-x,fax-c\r\n");
  ASSERT_EQ(Names(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(book_.record(0).pairing, Pairing::Joined);
  EXPECT_EQ(book_.record(0).postalCode, "addr-a");
  EXPECT_EQ(book_.record(0).phone, "tel-a");
  EXPECT_EQ(book_.record(1).pairing, Pairing::AddressOnly);
  // The same name twice without address data: one record, its empty fields filled by the second.
  const AddressRecord& c = book_.record(2);
  EXPECT_EQ(c.pairing, Pairing::Joined);
  EXPECT_EQ(c.phone, "tel-c");
  EXPECT_EQ(c.fax, "fax-c");
  EXPECT_EQ(c.memo1, "m1\r\nm2");
  EXPECT_EQ(c.postalCode, "");
  EXPECT_TRUE(prompt_.shown.empty());
}

TEST_F(BookText, HistoryLineWithoutAddressDataStaysHistoryOnly) {
  Read(BookFileKind::HistoryFile, "2005,x\r\nz,tel\r\n");
  ASSERT_EQ(book_.recordCount(), 1);
  EXPECT_EQ(book_.record(0).pairing, Pairing::HistoryOnly);
  EXPECT_EQ(book_.record(0).phone, "tel");
}

TEST_F(BookText, EmptyHistoryFileChangesNothing) {
  book_.year = 2001;
  book_.nonSendMark = "喪"_sjis;
  Read(BookFileKind::HistoryFile, "");
  EXPECT_EQ(book_.year, 2001);
  EXPECT_EQ(book_.nonSendMark, "喪"_sjis);
  EXPECT_EQ(book_.recordCount(), 0);
}

TEST_F(BookText, ReadingRenamesDuplicatesAsAddRecordDoes) {
  // Unsorted lines, LF and CR LF line ends, a last line without line end, two empty lines.
  const std::string text = "やまだ,1\nあおき,2\r\n\r\nやまだ,3\n\nやまだ,4"_sjis;
  Read(BookFileKind::SendFile, text);
  AddressBook oneByOne;
  for (const std::string& line : {"やまだ,1"_sjis, "あおき,2"_sjis, ""s, "やまだ,3"_sjis, ""s, "やまだ,4"_sjis}) {
    AddressRecord record;
    record.FromCsvLine(line, BookFileKind::SendFile);
    oneByOne.AddRecord(record);
  }
  EXPECT_EQ(book_.records(), oneByOne.records());
  EXPECT_EQ(Names(), (std::vector<std::string>{"", "-2", "あおき"_sjis, "やまだ"_sjis, "やまだ-2"_sjis,
                                               "やまだ-3"_sjis}));
  EXPECT_EQ(prompt_.shown.size(), 3u);
}

TEST_F(BookText, ASecondFileMergesIntoTheBookInOrder) {
  Read(BookFileKind::SendFile, "b\r\nd\r\nf\r\n");
  Read(BookFileKind::NoSendFile, "e\r\na\r\nd\r\ng\r\n");
  EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "d", "d-2", "e", "f", "g"}));
  EXPECT_EQ(book_.LowerBound("c"), 2);
}

TEST_F(BookText, FullBookDropsLinesWithOneMessagePerFile) {
  std::string text;
  for (int i = 0; i < kBookCapacity + 2; ++i) text += "n" + std::to_string(i) + "\r\n";
  EXPECT_EQ(Read(BookFileKind::SendFile, text), 2);
  EXPECT_EQ(book_.recordCount(), kBookCapacity);
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{"データ数が1000を超えています"_sjis});
  EXPECT_TRUE(book_.limitWarningEnabled);
  // The next file warns again, once; a history line that joins needs no room.
  EXPECT_EQ(Read(BookFileKind::HistoryFile, "2005,x\r\nn1,tel\r\nnew1\r\nnew2\r\n"), 2);
  EXPECT_EQ(prompt_.shown.size(), 2u);
  EXPECT_EQ(book_.record(book_.LowerBound("n1")).phone, "tel");
}

TEST_F(BookText, ModifiedFollowsTheKindRead) {
  book_.modified = true;
  Read(BookFileKind::SendFile, "a\r\n");
  EXPECT_FALSE(book_.modified);
  Read(BookFileKind::ImportFile, "b\r\n");
  EXPECT_TRUE(book_.modified);
  Read(BookFileKind::HistoryFile, "");
  EXPECT_FALSE(book_.modified);
  // Writing is the caller's business: the text alone does not clear the flag.
  book_.modified = true;
  Write(BookFileKind::SendFile);
  EXPECT_TRUE(book_.modified);
}

TEST_F(BookText, SendAndNoSendFilesSplitByTheNewestMark) {
  const std::string toHistory(22, ',');
  Read(BookFileKind::ImportFile, Sjis("a" + toHistory + "○×,\r\nb" + toHistory + "×後,\r\nc" + toHistory + ",\r\n"));
  EXPECT_EQ(Write(BookFileKind::SendFile), "b" + std::string(14, ',') + "\r\nc" + std::string(14, ',') + "\r\n");
  EXPECT_EQ(Write(BookFileKind::NoSendFile), "a" + std::string(14, ',') + "\r\n");
  book_.DeleteRecord(2);
  book_.DeleteRecord(1);
  EXPECT_EQ(Write(BookFileKind::SendFile), "");
}

TEST_F(BookText, FamilyReadBackGivesTheSameRecords) {
  AddressRecord record;
  record.registrationName = "表,能"_sjis;
  record.address1 = "住所\"ソ\""_sjis;
  record.memo2 = "一\r\n二"_sjis;
  record.initialSendState = "送信しない"_sjis;
  record.sendHistory = "□×"_sjis;
  book_.AddRecord(record);
  record.registrationName = "あ"_sjis;
  record.sendHistory = "";
  book_.AddRecord(record);
  book_.notes = "覚え"_sjis;
  const std::string send = Write(BookFileKind::SendFile);
  const std::string noSend = Write(BookFileKind::NoSendFile);
  const std::string history = Write(BookFileKind::HistoryFile);

  AddressBook copy;
  copy.fileKind = BookFileKind::SendFile;
  copy.Read(send);
  copy.fileKind = BookFileKind::NoSendFile;
  copy.Read(noSend);
  copy.fileKind = BookFileKind::HistoryFile;
  copy.Read(history);
  ASSERT_EQ(copy.recordCount(), 2);
  for (int i = 0; i < 2; ++i) {
    AddressRecord expected = book_.record(i);
    expected.pairing = Pairing::Joined;  // recomputed by the read
    EXPECT_EQ(copy.record(i), expected);
  }
  EXPECT_EQ(copy.notes, book_.notes);
}

}  // namespace
}  // namespace mirelon
