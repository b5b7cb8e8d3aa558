#include "list/list_item_text.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "list_test_support.h"

namespace mirelon::test {
namespace {

std::string Tail(const std::string& historyUtf8, int width) {
  std::string history = Sjis(historyUtf8);
  FitHistoryTail(history, width);
  EXPECT_EQ(history.size(), static_cast<size_t>(std::max(width, 0))) << historyUtf8 << " in " << width;
  return Cp932ToUtf8(history);
}

TEST(FitHistoryTailTest, FillsMissingYearsAndOddCells) {
  EXPECT_EQ(Tail("", 4), "？？");
  EXPECT_EQ(Tail("", 5), "？？ ");
  EXPECT_EQ(Tail(" x", 6), "？？ x");
  EXPECT_EQ(Tail("x", 4), "？ x");  // a one-byte history gets its space in front
  EXPECT_EQ(Tail("○×表", 10), "？？○×表");
  EXPECT_EQ(Tail("○×表", 11), "？？○×表 ");
  EXPECT_EQ(Tail("○×表", 0), "");
}

TEST(FitHistoryTailTest, KeepsOnlyTheNewestWholeMarks) {
  EXPECT_EQ(Tail("○×表能", 4), "表能");
  EXPECT_EQ(Tail("○×表能", 5), "表能 ");
  EXPECT_EQ(Tail("○×表", 1), " ");
  // When the cut falls inside a double-byte mark, the mark goes and a space takes its cell.
  EXPECT_EQ(Tail("○△a", 2), " a");
  EXPECT_EQ(Tail("○△a", 4), " △a");
  EXPECT_EQ(Tail("x○△", 4), "○△");
  // ム, メ and モ end in bytes that could also begin a character.
  EXPECT_EQ(Tail("ムメモ", 4), "メモ");
  EXPECT_EQ(Tail("aムメ", 2), "メ");
  EXPECT_EQ(Tail("ムメモa", 4), " モa");
}

TEST(FitHistoryTailTest, ToleratesAHistoryEndingInHalfACharacter) {
  std::string history = Sjis("○") + "\x95";  // a lead byte cut off from its second byte
  FitHistoryTail(history, 1);
  EXPECT_EQ(history, " ");

  history = "\x95";
  FitHistoryTail(history, 3);
  EXPECT_EQ(history, " \x95 ");
}

TEST(ListItemLabelsTest, MemoItemsCarryTheBooksMemoTitles) {
  AddressBook book;
  book.memoTitle1 = Sjis("趣味");
  book.memoTitle2 = Sjis("表札");

  const auto labels = ListItemLabels(book);

  EXPECT_EQ(Cp932ToUtf8(labels[0]), "空白");
  EXPECT_EQ(Cp932ToUtf8(labels[5]), "※住所結合");
  EXPECT_EQ(Cp932ToUtf8(labels[21]), "E-Mailアドレス");
  EXPECT_EQ(Cp932ToUtf8(labels[22]), "趣味");
  EXPECT_EQ(Cp932ToUtf8(labels[23]), "表札");
  EXPECT_EQ(Cp932ToUtf8(labels[26]), "受信履歴");
}

}  // namespace
}  // namespace mirelon::test
