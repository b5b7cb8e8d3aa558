// The application's core rules that need no display: the free-edit normalisation of a history
// and the choice of the editor layout.
#include <gtest/gtest.h>

#include "appcore/editor_layout_choice.h"
#include "book/address_book.h"
#include "book/free_history_text.h"
#include "book/honorific_list.h"
#include "res/editor_resources.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

std::string Normalized(std::string_view utf8) { return Cp932ToUtf8(NormalizeFreeHistory(Sjis(utf8))); }

TEST(FreeHistory, RunsOfHalfWidthCharactersBecomePairs) {
  EXPECT_EQ(Normalized("ab○"), "ab○");
  EXPECT_EQ(Normalized("a○"), " a○");
  EXPECT_EQ(Normalized("abc"), " abc");
  EXPECT_EQ(Normalized("  ○"), "□○");
}

TEST(FreeHistory, BlanksUnknownYearsAndEmptyText) {
  EXPECT_EQ(Normalized("？？○×"), "○×");
  EXPECT_EQ(Normalized("○？×"), "○？×");
  EXPECT_EQ(Normalized("　○"), "□○");
  EXPECT_EQ(Normalized(""), "□");
  EXPECT_EQ(Normalized("？？"), "□");
}

TEST(FreeHistory, ALoneFirstByteAtTheEndIsDropped) {
  EXPECT_EQ(NormalizeFreeHistory(std::string("\x81\x9B\x81", 3)), std::string("\x81\x9B", 2));
  // A full-width space is replaced only where it is a whole mark, never across two marks.
  const std::string straddling = std::string("\x8A\x81") + "@x";  // a kanji ending in 0x81, then "@x"
  EXPECT_EQ(NormalizeFreeHistory(straddling), straddling);
}

TEST(EditorLayout, CompactOnTheExactSwitchOrASmallScreen) {
  EXPECT_EQ(ChooseEditorTemplate("/s", 1280), res::kEditorCompactTemplate);
  EXPECT_EQ(ChooseEditorTemplate("-s", 1280), res::kEditorCompactTemplate);
  EXPECT_EQ(ChooseEditorTemplate("/S", 1280), res::kEditorFullTemplate);
  EXPECT_EQ(ChooseEditorTemplate("-s2", 1280), res::kEditorFullTemplate);
  EXPECT_EQ(ChooseEditorTemplate("", 640), res::kEditorCompactTemplate);
  EXPECT_EQ(ChooseEditorTemplate("", 641), res::kEditorFullTemplate);
}

TEST(HonorificList, BookOrderBeforeLongerRelativesOnceWhateverTheCase) {
  AddressBook book;
  AddressRecord first;
  first.registrationName = "a";
  first.honorific = Sjis("殿方");
  first.jointHonorific1 = Sjis("ｓａｎ");
  first.jointHonorific2 = Sjis("　");
  AddressRecord second;
  second.registrationName = "b";
  second.honorific = Sjis("ＳＡＮ");
  second.jointHonorific1 = Sjis("様");
  second.jointHonorific3 = Sjis("殿");
  book.InsertRecordAt(0, first);
  book.InsertRecordAt(1, second);
  std::vector<std::string> items;
  for (const std::string& item : HonorificListItems(book)) items.push_back(Cp932ToUtf8(item));
  EXPECT_EQ(items, (std::vector<std::string>{"様", "先生", "殿", "殿方", "ｓａｎ", ""}));
}

}  // namespace
}  // namespace mirelon
