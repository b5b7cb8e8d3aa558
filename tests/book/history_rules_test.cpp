#include "book/history_rules.h"

#include <gtest/gtest.h>

#include "book/address_book.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

bool Sends(const std::string& history, WhichMark which = WhichMark::Newest) {
  AddressRecord record;
  record.sendHistory = history;
  return JudgeSend(record, which);
}

HistoryCells Cells(const std::string& a, const std::string& b, const std::string& c, const std::string& d,
                   const std::string& e) {
  return {a, b, c, d, e};
}

TEST(HistoryMarks, SplitsDoubleByteCharactersAndHalfWidthPairs) {
  EXPECT_EQ(HistoryMarks("×"_sjis), std::vector<std::string>{"×"_sjis});
  EXPECT_EQ(HistoryMarks("  "), std::vector<std::string>{"  "});
  EXPECT_EQ(HistoryMarks("x○ab c"_sjis), (std::vector<std::string>{"x", "○"_sjis, "ab", " c"}));
  // A lead byte at the very end is a mark by itself.
  EXPECT_EQ(HistoryMarks("○"_sjis + "\x83"), (std::vector<std::string>{"○"_sjis, "\x83"}));
  EXPECT_TRUE(HistoryMarks("").empty());
}

TEST(JudgeSend, NewestAndPreviousMarks) {
  EXPECT_TRUE(Sends(""));
  EXPECT_FALSE(Sends("", WhichMark::Previous));
  EXPECT_FALSE(Sends("□×"_sjis));
  EXPECT_FALSE(Sends("□喪"_sjis));
  EXPECT_TRUE(Sends("×後"_sjis));
  EXPECT_TRUE(Sends("××出"_sjis));
  EXPECT_TRUE(Sends("××送"_sjis));
  EXPECT_TRUE(Sends("××　"_sjis));
  EXPECT_TRUE(Sends("×□"_sjis));
  EXPECT_TRUE(Sends("× "_sjis));
  EXPECT_TRUE(Sends("××  "_sjis));
  EXPECT_FALSE(Sends("× x"_sjis));
  EXPECT_FALSE(Sends("×□"_sjis, WhichMark::Previous));
  EXPECT_TRUE(Sends("後×"_sjis, WhichMark::Previous));
  EXPECT_FALSE(Sends("□"_sjis, WhichMark::Previous));
}

TEST(JudgeSend, IgnoresTheInitialSendState) {
  AddressRecord record;
  record.initialSendState = "送信しない"_sjis;
  EXPECT_TRUE(JudgeSend(record, WhichMark::Newest));
}

TEST(HistoryCells, SplitShowsUnknownYearsAndBlankMarksAsEmpty) {
  EXPECT_EQ(SplitHistoryCells("○□"_sjis), Cells("？"_sjis, "？"_sjis, "？"_sjis, "○"_sjis, ""));
  EXPECT_EQ(SplitHistoryCells("12○×△□ x"_sjis), Cells("○"_sjis, "×"_sjis, "△"_sjis, "", " x"));
}

TEST(HistoryCells, JoinIntoAShortHistoryStartsAtTheFirstKnownCell) {
  std::string history;
  JoinHistoryCells(history, Cells("？"_sjis, "？"_sjis, "？"_sjis, "○"_sjis, ""));
  EXPECT_EQ(history, "○□"_sjis);
  history.clear();
  JoinHistoryCells(history, Cells("？"_sjis, "？"_sjis, "x", "？"_sjis, "○"_sjis));
  EXPECT_EQ(history, " x？○"_sjis);
  history = "○"_sjis;
  JoinHistoryCells(history, Cells("？"_sjis, "？"_sjis, "？"_sjis, "？"_sjis, "？"_sjis));
  EXPECT_EQ(history, "？"_sjis);
}

TEST(HistoryCells, JoinReplacesTheFiveNewestMarksAndKeepsOlderOnes) {
  const std::string seven = "喪出○×△▲●"_sjis;
  std::string history = seven;
  JoinHistoryCells(history, SplitHistoryCells(history));
  EXPECT_EQ(history, seven);
  HistoryCells cells = SplitHistoryCells(history);
  cells[0] = "a";
  JoinHistoryCells(history, cells);
  EXPECT_EQ(history, "喪出 a×△▲●"_sjis);
  // Written back unchanged, 1-byte marks gain their space and blanks become "□".
  history = "×x　  ○"_sjis;
  JoinHistoryCells(history, SplitHistoryCells(history));
  EXPECT_EQ(history, "× x□□○"_sjis);
}

TEST(NormalizeNonSendMark, PadsOneByteAndReplacesBlanks) {
  EXPECT_EQ(NormalizeNonSendMark("x"), " x");
  EXPECT_EQ(NormalizeNonSendMark("喪"_sjis), "喪"_sjis);
  EXPECT_EQ(NormalizeNonSendMark("ab"), "ab");
  for (const std::string& blank : {std::string(), std::string(" "), std::string("  "), "　"_sjis, "□"_sjis}) {
    EXPECT_EQ(NormalizeNonSendMark(blank), "×"_sjis) << blank;
  }
}

TEST(ConvertHistoryInput, TableLettersDotAndFullWidthForms) {
  const std::string mark = "喪"_sjis;
  EXPECT_EQ(ConvertHistoryInput("o", mark), "送"_sjis);
  EXPECT_EQ(ConvertHistoryInput("M", mark), "喪"_sjis);
  EXPECT_EQ(ConvertHistoryInput("C", mark), "●"_sjis);
  EXPECT_EQ(ConvertHistoryInput("X", mark), "※"_sjis);
  EXPECT_EQ(ConvertHistoryInput("w", mark), "◎"_sjis);
  EXPECT_EQ(ConvertHistoryInput(".", " x"), " x");
  EXPECT_EQ(ConvertHistoryInput("5", mark), "５"_sjis);
  EXPECT_EQ(ConvertHistoryInput("z", mark), "ｚ"_sjis);
  EXPECT_EQ(ConvertHistoryInput("ｱ"_sjis, mark), "ア"_sjis);
  // Only a single typed byte is converted.
  EXPECT_EQ(ConvertHistoryInput("oo", mark), "oo");
  EXPECT_EQ(ConvertHistoryInput("○"_sjis, mark), "○"_sjis);
}

TEST(YearLabels, ZodiacSignsFollowTheTwelveYearCycle) {
  EXPECT_EQ(ZodiacSign(2001), "巳"_sjis);
  EXPECT_EQ(ZodiacSign(2005), "酉"_sjis);
  EXPECT_EQ(ZodiacSign(2008), "子"_sjis);
  EXPECT_EQ(ZodiacSign(2020), "子"_sjis);
  EXPECT_EQ(YearLabel(2005), "2005");
}

TEST(AdvanceHistoryYear, AppendsOneMarkToEveryHistory) {
  AddressBook book;
  book.year = 2005;
  AddressRecord record;
  record.registrationName = "a";
  record.initialSendState = "送信しない"_sjis;
  record.sendHistory = "○"_sjis;
  book.AddRecord(record);
  record.registrationName = "b";
  record.initialSendState = "";
  record.receiveHistory = "○"_sjis;
  book.AddRecord(record);

  AdvanceHistoryYear(book, NormalizeNonSendMark("x"));
  EXPECT_EQ(book.nonSendMark, " x");
  EXPECT_EQ(book.record(0).sendHistory, "○ x"_sjis);
  EXPECT_EQ(book.record(1).sendHistory, "○□"_sjis);
  EXPECT_EQ(book.record(0).receiveHistory, "□"_sjis);
  EXPECT_EQ(book.record(1).receiveHistory, "○□"_sjis);
  EXPECT_EQ(book.year, 2006);
  EXPECT_TRUE(book.modified);
  // The newest year's judgement follows the initial send state.
  EXPECT_FALSE(JudgeSend(book.record(0), WhichMark::Newest));
  EXPECT_TRUE(JudgeSend(book.record(1), WhichMark::Newest));
}

TEST(AdvanceHistoryYear, OfferedOnlyForABookWithAFileNotAheadOfTheCalendar) {
  AddressBook book;
  book.year = 2030;
  EXPECT_FALSE(CanAdvanceHistoryYear(book, 2030));
  book.historyExists = true;
  EXPECT_TRUE(CanAdvanceHistoryYear(book, 2030));
  EXPECT_TRUE(CanAdvanceHistoryYear(book, 2031));
  EXPECT_FALSE(CanAdvanceHistoryYear(book, 2029));
}

}  // namespace
}  // namespace mirelon
