#include "list/list_text_builder.h"

#include <gtest/gtest.h>

#include <tuple>

#include "book/history_rules.h"
#include "list_test_support.h"

namespace mirelon::test {
namespace {

using K = ListItemKind;

std::string Build(const AddressBook& book, DisplayFormat format) { return Cp932ToUtf8(BuildListText(book, format)); }

TEST(ListTextBuilderTest, BuiltInFormatGivesNamePostalCodeAndComposedAddressIn72Cells) {
  AddressRecord record = NamedRecord("やまだ");
  record.name = Sjis("山田太郎");
  record.postalCode = "123-4567";
  record.address1 = Sjis("東京都港区");
  record.address2 = Sjis("　表参道１ ");
  record.company2 = Sjis("能ソ商会");
  const AddressBook book = BookOf({record});
  DisplayFormat format = BuiltInDisplayFormat();

  const std::string text = BuildListText(book, format);

  EXPECT_EQ(Cp932ToUtf8(text), "  1 山田太郎   123-4567 東京都港区 表参道１ 能ソ商会" + std::string(20, ' ') + "\r\n");
  EXPECT_EQ(text.size(), 72u + 2u);
  EXPECT_EQ(format.displayedCount, 1);
}

TEST(ListTextBuilderTest, EverySingleFieldItemShowsItsOwnField) {
  AddressRecord record;
  for (int n = 1; n <= AddressRecord::kFieldCount; ++n) record.Field(n) = "f" + std::to_string(n);
  const AddressBook book = BookOf({record});
  // Item code -> field number in file order.
  const std::vector<std::pair<K, int>> items = {
      {K::RegistrationName, 1}, {K::Name, 8},         {K::Honorific, 9},        {K::PostalCode, 2},
      {K::Address1, 3},         {K::Address2, 4},     {K::Company1, 5},         {K::Company2, 6},
      {K::Position, 7},         {K::JointName1, 10},  {K::JointHonorific1, 11}, {K::JointName2, 12},
      {K::JointHonorific2, 13}, {K::JointName3, 14},  {K::JointHonorific3, 15}, {K::Phone, 16},
      {K::Fax, 17},             {K::Mobile, 18},      {K::Email, 19},           {K::Memo1, 20},
      {K::Memo2, 21},           {K::InitialSendState, 22},
  };
  for (const auto& [kind, field] : items) {
    const std::string value = "f" + std::to_string(field);
    EXPECT_EQ(Build(book, LineOneFormat({{kind, 8}})), "  1 " + value + std::string(8 - value.size(), ' ') + "\r\n")
        << "item " << static_cast<int>(kind);
  }
}

TEST(ListTextBuilderTest, ComposedItemsTrimTheirPartsAndSkipEmptyOnes) {
  AddressRecord record;
  record.address1 = Sjis("　大阪府 ");
  record.address2 = Sjis("　　");
  record.company1 = Sjis(" 表具店");
  record.company2 = Sjis("能楽堂　");
  record.phone = Sjis(" 06-1234-5678");
  record.mobile = Sjis("090-0000-1111　");
  const AddressBook book = BookOf({record});

  EXPECT_EQ(Build(book, LineOneFormat({{K::ComposedAddress, 30}})), "  1 大阪府 表具店 能楽堂" + std::string(10, ' ') + "\r\n");
  EXPECT_EQ(Build(book, LineOneFormat({{K::ComposedPhone, 40}})), "  1 (電話)06-1234-5678 (携帯)090-0000-1111  \r\n");

  record.fax = "03";
  EXPECT_EQ(Build(BookOf({record}), LineOneFormat({{K::ComposedPhone, 46}})),
            "  1 (電話)06-1234-5678 (FAX)03 (携帯)090-0000-1111\r\n");
}

TEST(ListTextBuilderTest, InitialSendStateIsShortenedByTheSlotWidth) {
  AddressRecord noSend = NamedRecord("a");
  noSend.initialSendState = Sjis("送信しない");
  AddressRecord sends = NamedRecord("b");
  sends.initialSendState = Sjis("送信する");
  AddressRecord empty = NamedRecord("c");  // an empty state sends too
  const AddressBook book = BookOf({noSend, sends, empty});
  const std::vector<std::tuple<int, std::string, std::string>> cases = {
      {1, "X", "O"},           {2, "×", "○"},          {3, "× ", "○ "},          {4, "送×", "送○"},
      {5, "送× ", "送○ "},     {6, "送信×", "送信○"},  {7, "送信× ", "送信○ "},  {8, "送信しな", "送信する"},
      {10, "送信しない", "送信する  "},
  };
  for (const auto& [width, noSendText, sendText] : cases) {
    DisplayFormat format = LineOneFormat({{K::InitialSendState, width}});
    format.numbering = 2;
    // From width 8 the stored text itself, which an empty state leaves blank.
    const std::string emptyText = width >= 8 ? std::string(static_cast<size_t>(width), ' ') : sendText;
    EXPECT_EQ(Build(book, format), "    " + noSendText + "\r\n    " + sendText + "\r\n    " + emptyText + "\r\n")
        << "width " << width;
  }
}

TEST(ListTextBuilderTest, WidthsCutWholeDoubleByteCharactersAndPad) {
  AddressRecord record = NamedRecord("x");
  record.name = Sjis("表能ソ十");  // every second byte is 0x5C
  const AddressBook book = BookOf({record});

  EXPECT_EQ(Build(book, LineOneFormat({{K::Name, 7}})), "  1 表能ソ \r\n");
  EXPECT_EQ(Build(book, LineOneFormat({{K::Name, 8}})), "  1 表能ソ十\r\n");
  EXPECT_EQ(Build(book, LineOneFormat({{K::Name, 1}})), "  1  \r\n");

  record.name = Sjis("aムメモ");  // second bytes 0x80-0x82 look like first bytes
  EXPECT_EQ(Build(BookOf({record}), LineOneFormat({{K::Name, 6}})), "  1 aムメ \r\n");
}

TEST(ListTextBuilderTest, MemosLoseTheirLineBreaksButKeepTheirBlanks) {
  AddressRecord record;
  record.memo1 = Sjis("  表\r\n能\r\n");
  const AddressBook book = BookOf({record});

  EXPECT_EQ(Build(book, LineOneFormat({{K::Memo1, 10}})), "  1   表 能   \r\n");
  EXPECT_EQ(Build(book, LineOneFormat({{K::Memo1, 4}})), "  1   表\r\n");
}

TEST(ListTextBuilderTest, HistoriesShowTheirNewestMarksRightAligned) {
  AddressRecord record;
  record.sendHistory = Sjis("○×表");
  record.receiveHistory = Sjis("○□ x");
  const AddressBook book = BookOf({record});

  EXPECT_EQ(Build(book, LineOneFormat({{K::SendHistory, 10}})), "  1 ？？○×表\r\n");
  EXPECT_EQ(Build(book, LineOneFormat({{K::SendHistory, 11}})), "  1 ？？○×表 \r\n");
  EXPECT_EQ(Build(book, LineOneFormat({{K::SendHistory, 4}})), "  1 ×表\r\n");
  // Histories are not trimmed: a half-width blank mark stays.
  EXPECT_EQ(Build(book, LineOneFormat({{K::ReceiveHistory, 6}})), "  1 ○□ x\r\n");
}

TEST(ListTextBuilderTest, BlankAndUnknownItemsGiveSpacesWithoutSeparator) {
  const AddressBook book = BookOf({NamedRecord("ab")});
  DisplayFormat format = LineOneFormat({{K::Name, 2}, {K::Blank, 3}, {K::Name, 2}, {static_cast<K>(27), 2},
                                        {static_cast<K>(-1), 1}, {K::Name, 2}});
  EXPECT_EQ(Build(book, format), "  1 ab    ab    ab\r\n");

  // Slots of width 0 or less are left out and the rest move up.
  format = LineOneFormat({{K::Name, 0}, {K::Name, -3}, {K::Name, 2}});
  EXPECT_EQ(Build(book, format), "  1 ab\r\n");
  format = LineOneFormat({{K::Name, 0}});
  EXPECT_EQ(Build(book, format), "  1 \r\n");
  format.leftSpace = 2;
  format.numbering = 2;
  EXPECT_EQ(Build(book, format), "      \r\n");
}

TEST(ListTextBuilderTest, WidthsBeyondTheWidestCellCountAreLaidOutAtIt) {
  // A hand-made format file may carry 32767 in every width and in the left space.
  DisplayFormat format = LineOneFormat({{K::Name, 32767}, {K::SendHistory, 1000}});
  format.leftSpace = 32767;
  const std::string cap(kMaxListCells, ' ');
  std::string unknownYears;
  for (int year = 0; year < kMaxListCells / 2; ++year) unknownYears += "？";

  EXPECT_EQ(Build(BookOf({NamedRecord("ab")}), format),
            cap + "  1 ab" + cap.substr(2) + " " + unknownYears + " \r\n");

  // The whole book in the widest format stays some tens of megabytes.
  for (int line = 1; line <= kListLineCount; ++line) {
    SetLine(format, line, {});
    for (int slot = 1; slot <= kListSlotsPerLine; ++slot) {
      format.itemKind[static_cast<size_t>(ListSlotIndex(line, slot))] = static_cast<int16_t>(K::Name);
      format.itemWidth[static_cast<size_t>(ListSlotIndex(line, slot))] = 32767;
    }
  }
  const size_t row = kMaxListCells + 4 + kListSlotsPerLine * (kMaxListCells + 1) - 1 + 2;
  EXPECT_EQ(BuildListText(NumberedBook(1000), format).size(), 1000u * kListLineCount * row);
}

TEST(ListTextBuilderTest, FiltersSelectBySendStateAndJudgement) {
  // a: no send state, empty history; b: "送信しない", newest "×"; c: newest "後", previous "×";
  // d: "送信しない", previous "□", newest "喪".
  AddressRecord a = NamedRecord("a");
  AddressRecord b = NamedRecord("b");
  b.initialSendState = Sjis("送信しない");
  b.sendHistory = Sjis("□×");
  AddressRecord c = NamedRecord("c");
  c.initialSendState = Sjis("送信する");
  c.sendHistory = Sjis("×後");
  AddressRecord d = NamedRecord("d");
  d.initialSendState = Sjis("送信しない");
  d.sendHistory = Sjis("□喪");
  const AddressBook book = BookOf({a, b, c, d});
  const std::vector<std::pair<int, std::string>> cases = {
      {0, "abcd"}, {1, "ac"}, {2, "ac"}, {3, "bd"}, {4, "bd"}, {5, "bd"}, {6, "ac"}, {7, "abcd"}, {-1, "abcd"},
  };
  for (const auto& [filter, listed] : cases) {
    DisplayFormat format = LineOneFormat({{K::Name, 1}});
    format.filter = static_cast<int16_t>(filter);
    format.numbering = 2;
    const std::string text = BuildListText(book, format);
    std::string names;
    for (size_t pos = 4; pos < text.size(); pos += 7) names += text[pos];
    EXPECT_EQ(names, listed) << "filter " << filter;
    EXPECT_EQ(format.displayedCount, static_cast<int>(listed.size())) << "filter " << filter;
  }
}

TEST(ListTextBuilderTest, NumberingCountsListedRecordsOrBookPages) {
  AddressRecord skipped = NamedRecord("a");
  skipped.initialSendState = Sjis("送信しない");
  const AddressBook book = BookOf({skipped, NamedRecord("b"), NamedRecord("c")});
  DisplayFormat format = LineOneFormat({{K::Name, 1}});
  format.filter = 1;

  const std::vector<std::pair<int, std::string>> cases = {
      {0, "  1 b\r\n  2 c\r\n"},   {1, "  2 b\r\n  3 c\r\n"},   {-4, "  2 b\r\n  3 c\r\n"},
      {2, "    b\r\n    c\r\n"},   {300, "    b\r\n    c\r\n"},
  };
  for (const auto& [numbering, expected] : cases) {
    format.numbering = static_cast<int16_t>(numbering);
    EXPECT_EQ(Build(book, format), expected) << "numbering " << numbering;
  }
}

TEST(ListTextBuilderTest, NumberThousandTakesAllFourCells) {
  const AddressBook book = NumberedBook(1000);
  DisplayFormat format = LineOneFormat({{K::Name, 5}});

  const std::string text = BuildListText(book, format);

  EXPECT_EQ(format.displayedCount, 1000);
  EXPECT_EQ(text.substr(0, 11), "  1 r0001\r\n");
  EXPECT_EQ(text.substr(text.size() - 33), "998 r0998\r\n999 r0999\r\n1000r1000\r\n");
  EXPECT_NE(text.find(" 42 r0042\r\n"), std::string::npos);
  EXPECT_EQ(text.size(), 1000u * 11u);
}

TEST(ListTextBuilderTest, ZOrderFillsRowsAndLeavesAShortLastLineOpen) {
  const AddressBook five = NumberedBook(5);
  DisplayFormat format = LineOneFormat({{K::Name, 5}});
  format.columnLayout = 3;

  EXPECT_EQ(Build(five, format), "  1 r0001   2 r0002   3 r0003\r\n  4 r0004   5 r0005 ");
  EXPECT_EQ(Build(NumberedBook(6), format),
            "  1 r0001   2 r0002   3 r0003\r\n  4 r0004   5 r0005   6 r0006\r\n");

  format.leftSpace = 2;
  format.columnLayout = 2;
  EXPECT_EQ(Build(NumberedBook(3), format), "    1 r0001   2 r0002\r\n    3 r0003 ");
}

TEST(ListTextBuilderTest, IOrderFillsColumnsAndEndsEveryLine) {
  DisplayFormat format = LineOneFormat({{K::Name, 5}});
  format.columnLayout = 6;  // three columns down

  EXPECT_EQ(Build(NumberedBook(5), format), "  1 r0001   3 r0003   5 r0005\r\n  2 r0002   4 r0004 \r\n");
  EXPECT_EQ(Build(NumberedBook(7), format),
            "  1 r0001   4 r0004   7 r0007\r\n  2 r0002   5 r0005 \r\n  3 r0003   6 r0006 \r\n");
  EXPECT_EQ(Build(NumberedBook(6), format), "  1 r0001   3 r0003   5 r0005\r\n  2 r0002   4 r0004   6 r0006\r\n");

  format.columnLayout = 7;  // four columns, one row
  EXPECT_EQ(Build(NumberedBook(4), format), "  1 r0001   2 r0002   3 r0003   4 r0004\r\n");

  format.columnLayout = 5;
  format.leftSpace = 1;
  EXPECT_EQ(Build(NumberedBook(3), format), "   1 r0001   3 r0003\r\n   2 r0002 \r\n");
}

TEST(ListTextBuilderTest, IOrderNumbersThePlaceInTheFilteredList) {
  std::vector<AddressRecord> records;
  for (const char* name : {"a", "b", "c", "d"}) records.push_back(NamedRecord(name));
  records[1].initialSendState = Sjis("送信しない");
  const AddressBook book = BookOf(records);
  DisplayFormat format = LineOneFormat({{K::Name, 1}});
  format.columnLayout = 5;
  format.filter = 1;

  EXPECT_EQ(Build(book, format), "  1 a   3 d\r\n  2 c \r\n");
  format.numbering = 1;
  EXPECT_EQ(Build(book, format), "  1 a   4 d\r\n  3 c \r\n");
}

TEST(ListTextBuilderTest, ColumnsNeedLineOneAlone) {
  const AddressBook book = NumberedBook(2);
  DisplayFormat format = LineOneFormat({{K::Name, 5}});
  SetLine(format, 2, {{K::RegistrationName, 2}});
  format.columnLayout = 3;

  EXPECT_EQ(Build(book, format), "  1 r0001\r\n    r0\r\n  2 r0002\r\n    r0\r\n");

  for (int layout : {0, 8, -1}) {
    format = LineOneFormat({{K::Name, 5}});
    format.columnLayout = static_cast<int16_t>(layout);
    EXPECT_EQ(Build(book, format), "  1 r0001\r\n  2 r0002\r\n") << "layout " << layout;
  }
}

TEST(ListTextBuilderTest, HiddenLinesLeaveNoGapAndLeftSpaceStartsEveryLine) {
  const AddressBook book = NumberedBook(1);
  DisplayFormat format;
  SetLine(format, 1, {{K::Name, 5}});
  SetLine(format, 2, {{K::PostalCode, 3}});
  SetLine(format, 3, {{K::RegistrationName, 2}});
  format.lineShown[1] = 0;
  format.leftSpace = 8;

  EXPECT_EQ(Build(book, format), "          1 r0001\r\n            r0\r\n");

  format.leftSpace = -5;
  EXPECT_EQ(Build(book, format), "  1 r0001\r\n    r0\r\n");
}

TEST(ListTextBuilderTest, NothingToShowGivesEmptyText) {
  DisplayFormat format = BuiltInDisplayFormat();
  format.displayedCount = 99;
  EXPECT_EQ(BuildListText(AddressBook(), format), "");
  EXPECT_EQ(format.displayedCount, 0);

  // With no line shown the filter still counts.
  format.lineShown = {0, 0, 0};
  EXPECT_EQ(BuildListText(NumberedBook(3), format), "");
  EXPECT_EQ(format.displayedCount, 3);
}

}  // namespace
}  // namespace mirelon::test
