#include "book/history_rules.h"

#include <gtest/gtest.h>

#include "book/address_book.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

bool Sends(const char* history, WhichMark which = WhichMark::Newest) {
  AddressRecord record;
  record.sendHistory = Sjis(history);
  return JudgeSend(record, which);
}

HistoryCells Cells(const char* a, const char* b, const char* c, const char* d, const char* e) {
  return {Sjis(a), Sjis(b), Sjis(c), Sjis(d), Sjis(e)};
}

TEST(HistoryRules, MarksAndTheSendJudgement) {
  EXPECT_EQ(HistoryMarks("x○ab c  "_sjis), (std::vector<std::string>{"x", "○"_sjis, "ab", " c", "  "}));
  EXPECT_EQ(HistoryMarks("○"_sjis + "\x83"), (std::vector<std::string>{"○"_sjis, "\x83"}));
  for (const char* sent : {"", "×後", "×出", "×送", "×□", "×　", "× ", "×  "}) EXPECT_TRUE(Sends(sent)) << sent;
  for (const char* notSent : {"□×", "□喪", "× x", "○"}) EXPECT_FALSE(Sends(notSent)) << notSent;
  EXPECT_FALSE(Sends("", WhichMark::Previous));
  EXPECT_FALSE(Sends("□", WhichMark::Previous));
  EXPECT_TRUE(Sends("後×", WhichMark::Previous));
  EXPECT_FALSE(Sends("×□", WhichMark::Previous));
}

TEST(HistoryRules, FiveCellViewSplitAndJoin) {
  EXPECT_EQ(SplitHistoryCells("○□"_sjis), Cells("？", "？", "？", "○", ""));
  std::string history;
  JoinHistoryCells(history, Cells("？", "？", "？", "○", ""));
  EXPECT_EQ(history, "○□"_sjis);
  history.clear();
  JoinHistoryCells(history, Cells("？", "？", "x", "？", "○"));
  EXPECT_EQ(history, " x？○"_sjis);
  // A history without marks written back unchanged stays without marks, so it still judges send.
  history.clear();
  JoinHistoryCells(history, SplitHistoryCells(history));
  EXPECT_EQ(history, "");
  // Seven marks: written back unchanged they stay; cell 1 is the third mark.
  history = "喪出○×△▲●"_sjis;
  JoinHistoryCells(history, SplitHistoryCells(history));
  EXPECT_EQ(history, "喪出○×△▲●"_sjis);
  HistoryCells cells = SplitHistoryCells(history);
  cells[0] = "a";
  JoinHistoryCells(history, cells);
  EXPECT_EQ(history, "喪出 a×△▲●"_sjis);
  // One-byte marks gain their space, blanks become "□".
  history = "×x　  ○"_sjis;
  JoinHistoryCells(history, SplitHistoryCells(history));
  EXPECT_EQ(history, "× x□□○"_sjis);
}

TEST(HistoryRules, NonSendMarkAndTypedCells) {
  EXPECT_EQ(NormalizeNonSendMark("x"), " x");
  EXPECT_EQ(NormalizeNonSendMark("喪"_sjis), "喪"_sjis);
  for (const char* blank : {"", " ", "  ", "　", "□"}) EXPECT_EQ(NormalizeNonSendMark(Sjis(blank)), "×"_sjis);

  const std::vector<std::pair<const char*, const char*>> typed = {
      {"o", "送"}, {"C", "●"}, {".", "喪"}, {"5", "５"}, {"ｱ", "ア"}, {"oo", "oo"},
  };
  for (const auto& [cell, converted] : typed) {
    EXPECT_EQ(ConvertHistoryInput(Sjis(cell), "喪"_sjis), Sjis(converted)) << cell;
  }
  EXPECT_EQ(ZodiacSign(2001), "巳"_sjis);
  EXPECT_EQ(ZodiacSign(2005), "酉"_sjis);
  EXPECT_EQ(ZodiacSign(2008), "子"_sjis);
}

TEST(HistoryRules, YearlyUpdate) {
  AddressBook book;
  book.year = 2005;
  EXPECT_FALSE(CanAdvanceHistoryYear(book, 2005));  // no file yet
  book.file.historyExists = true;
  EXPECT_TRUE(CanAdvanceHistoryYear(book, 2005));
  EXPECT_FALSE(CanAdvanceHistoryYear(book, 2004));

  AddressRecord record;
  record.registrationName = "a";
  record.initialSendState = "送信しない"_sjis;
  record.sendHistory = "○"_sjis;
  book.AddRecord(record);
  record.registrationName = "b";
  record.initialSendState = "";
  book.AddRecord(record);
  AdvanceHistoryYear(book, NormalizeNonSendMark("x"));
  EXPECT_EQ(book.nonSendMark, " x");
  EXPECT_EQ(book.record(0).sendHistory, "○ x"_sjis);
  EXPECT_EQ(book.record(1).sendHistory, "○□"_sjis);
  EXPECT_EQ(book.record(1).receiveHistory, "□"_sjis);
  EXPECT_EQ(book.year, 2006);
  EXPECT_TRUE(book.modified);
}

}  // namespace
}  // namespace mirelon
