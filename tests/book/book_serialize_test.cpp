// Reading and writing the text of one file of the family.
#include <gtest/gtest.h>

#include <array>

#include "book/address_book.h"
#include "support/recording_prompt.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

class BookText : public ::testing::Test {
 protected:
  BookText() { book_.SetPrompt(&prompt_); }

  int Read(BookFileKind kind, const std::string& text) { return book_.Read(kind, text); }
  std::string Write(BookFileKind kind) { return book_.Write(kind); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const AddressRecord& record : book_.records()) names.push_back(record.registrationName);
    return names;
  }

  test::RecordingPrompt prompt_;
  AddressBook book_;
};

TEST_F(BookText, HistoryHeader) {
  book_.year = 2005;
  EXPECT_EQ(Write(BookFileKind::HistoryFile), "2005,×,メモ１,メモ２,\r\n"_sjis);
  // The year is taken only from 1990 to 2100; the mark is cut to 2 bytes and normalised.
  const std::vector<std::array<std::string, 4>> cases = {
      {"1989", "x", "2002", " x"},  {"1990", "□"_sjis, "1990", "×"_sjis}, {"2100", "", "2100", "×"_sjis},
      {"2101", "喪中"_sjis, "2002", "喪"_sjis}, {"x", "a喪"_sjis, "2002", " a"},
  };
  for (const auto& [year, mark, expectedYear, expectedMark] : cases) {
    book_.year = 2002;
    Read(BookFileKind::HistoryFile, year + "," + mark + ",t1,,\"a\\nb,c\"\r\n");
    EXPECT_EQ(std::to_string(book_.year), expectedYear) << year;
    EXPECT_EQ(book_.nonSendMark, expectedMark) << mark;
    EXPECT_EQ(book_.memoTitle1 + "|" + book_.memoTitle2 + "|" + book_.notes, "t1||a\r\nb,c");
  }
  // An empty history file changes nothing.
  Read(BookFileKind::HistoryFile, "");
  EXPECT_EQ(book_.year, 2002);
}

TEST_F(BookText, HistoryLinesJoinTheirAddressDataByName) {
  Read(BookFileKind::SendFile, "b,addr-b\r\na,addr-a\r\n");
  Read(BookFileKind::HistoryFile, "2005,x\r\na,tel-a\r\nc,tel-c,,,,m1\\nm2\r\nc,tel-x,fax-c\r\nd,tel-d\r\n");
  ASSERT_EQ(Names(), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(book_.record(0).postalCode + book_.record(0).phone, "addr-atel-a");
  EXPECT_EQ(book_.record(0).pairing, Pairing::Joined);
  EXPECT_EQ(book_.record(1).pairing, Pairing::AddressOnly);
  // The same name twice without address data: one record, its empty fields filled by the second.
  EXPECT_EQ(book_.record(2).phone + book_.record(2).fax + book_.record(2).memo1, "tel-cfax-cm1\r\nm2");
  EXPECT_EQ(book_.record(2).pairing, Pairing::Joined);
  EXPECT_EQ(book_.record(3).pairing, Pairing::HistoryOnly);
  EXPECT_TRUE(prompt_.shown.empty());
}

TEST_F(BookText, ReadingInsertsAsAddRecordDoesLineByLine) {
  // Unsorted lines, LF and CR LF line ends, empty lines, no line end at the end, a second file.
  Read(BookFileKind::SendFile, "やまだ,1\nあおき,2\r\n\r\nやまだ,3\n\nやまだ,4"_sjis);
  Read(BookFileKind::NoSendFile, "いとう\r\nあおき,5\r\n"_sjis);
  AddressBook oneByOne;
  for (const char* line : {"やまだ,1", "あおき,2", "", "やまだ,3", "", "やまだ,4", "いとう", "あおき,5"}) {
    AddressRecord record;
    record.FromCsvLine(Sjis(line), BookFileKind::SendFile);
    oneByOne.AddRecord(record);
  }
  EXPECT_EQ(book_.records(), oneByOne.records());
  EXPECT_EQ(Names(), (std::vector<std::string>{"", "-2", "あおき"_sjis, "あおき-2"_sjis, "いとう"_sjis, "やまだ"_sjis,
                                               "やまだ-2"_sjis, "やまだ-3"_sjis}));
  EXPECT_EQ(prompt_.shown.size(), 4u);
  EXPECT_EQ(book_.LowerBound("う"_sjis), 5);
}

TEST_F(BookText, FullBookDropsLinesWithOneMessagePerFileNamingThem) {
  const auto lines = [](const char* prefix, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) text += prefix + std::to_string(i) + "\r\n";
    return text;
  };
  const auto quoted = [](std::initializer_list<std::string> names) {
    std::string text;
    for (const std::string& name : names) text += "\r\n\"" + name + "\"";
    return text;
  };
  const std::string limit = "データ数が1000を超えています"_sjis;
  EXPECT_EQ(Read(BookFileKind::SendFile, lines("n", kBookCapacity + 2)), 2);
  EXPECT_EQ(book_.recordCount(), kBookCapacity);
  // The next file is reported again; a history line that joins needs no room.
  EXPECT_EQ(Read(BookFileKind::HistoryFile, "2005,x\r\nn1,tel\r\nnew1\r\nnew2\r\n"), 2);
  EXPECT_EQ(book_.record(book_.LowerBound("n1")).phone, "tel");
  // A long list is cut to what a screen holds.
  EXPECT_EQ(Read(BookFileKind::NoSendFile, lines("m", 21)), 21);
  std::string many = limit + "\r\n次の21件は読み込めませんでした："_sjis;
  for (int i = 0; i < 20; ++i) many += quoted({"m" + std::to_string(i)});
  EXPECT_EQ(prompt_.shown, (std::vector<std::string>{
                               limit + "\r\n次の2件は読み込めませんでした："_sjis + quoted({"n1000", "n1001"}),
                               limit + "\r\n次の2件は読み込めませんでした："_sjis + quoted({"new1", "new2"}),
                               many + "\r\nほか1件"_sjis}));
  EXPECT_EQ(book_.unreadNames.size(), 25u);
  EXPECT_EQ(book_.unreadNames.front(), "n1000");
}

}  // namespace
}  // namespace mirelon
