#include "list/display_format_settings.h"

#include <gtest/gtest.h>

#include "list_test_support.h"
#include "platform/settings_store.h"

namespace mirelon::test {
namespace {

DisplayFormat Load(const SettingsStore& store, bool* wordWrap = nullptr) {
  DisplayFormat format;
  format.displayedCount = 42;
  bool wrap = false;
  LoadListSettings(store, format, wrap);
  if (wordWrap) *wordWrap = wrap;
  return format;
}

TEST(DisplayFormatSettingsTest, FirstRunGivesTheBuiltInFormat) {
  MemorySettingsStore store;
  bool wordWrap = true;

  const DisplayFormat format = Load(store, &wordWrap);

  EXPECT_EQ(format, BuiltInDisplayFormat());
  EXPECT_EQ(format.displayedCount, 0);
  EXPECT_FALSE(wordWrap);
  EXPECT_EQ(format.itemKind[1], static_cast<int>(ListItemKind::PostalCode));
  EXPECT_EQ(format.itemWidth[2], 48);
}

TEST(DisplayFormatSettingsTest, StoredFormatComesBackWithWordWrap) {
  DisplayFormat format = LineOneFormat({{ListItemKind::Memo2, 150}, {ListItemKind::Blank, 3}});
  SetLine(format, 3, {{ListItemKind::ReceiveHistory, 10}});
  format.lineShown[0] = 0;
  format.columnLayout = 7;
  format.leftSpace = 8;
  format.numbering = 2;
  format.filter = 6;
  format.displayedCount = 5;
  MemorySettingsStore store;

  StoreListSettings(store, format, true);
  bool wordWrap = false;
  const DisplayFormat loaded = Load(store, &wordWrap);

  format.displayedCount = 0;
  EXPECT_EQ(loaded, format);
  EXPECT_TRUE(wordWrap);
  EXPECT_EQ(store.GetInt("List", "dspItem101", 0), 23150);
  EXPECT_EQ(store.GetInt("List", "dspItem301", 0), 26010);
  EXPECT_EQ(store.GetInt("List", "dspObject", 0), 6);
  EXPECT_EQ(store.GetInt("List", "dspColumn", 0), 7);
  EXPECT_EQ(store.GetInt("List", "dspLine3", 0), 1);
}

TEST(DisplayFormatSettingsTest, ItemValueHoldsKindTimesThousandPlusWidth) {
  MemorySettingsStore store;
  store.SetInt("List", "dspItem102", 4008);
  store.SetInt("List", "dspItem310", -4008);

  const DisplayFormat format = Load(store);

  EXPECT_EQ(format.itemKind[ListSlotIndex(1, 2)], 4);
  EXPECT_EQ(format.itemWidth[ListSlotIndex(1, 2)], 8);
  EXPECT_EQ(format.itemKind[ListSlotIndex(3, 10)], -4);
  EXPECT_EQ(format.itemWidth[ListSlotIndex(3, 10)], -8);
  EXPECT_EQ(format.lineShown[0], 0);  // not the built-in format: an item was stored
}

TEST(DisplayFormatSettingsTest, WidthTooWideForTheItemValueKeepsItsKind) {
  // Only a format file can bring such a width; the registry keeps its last three digits.
  DisplayFormat format = LineOneFormat({{ListItemKind::ComposedAddress, 1234}});
  MemorySettingsStore store;

  StoreListSettings(store, format, false);

  EXPECT_EQ(store.GetInt("List", "dspItem101", 0), 5234);
  EXPECT_EQ(Load(store).itemKind[0], static_cast<int>(ListItemKind::ComposedAddress));
  EXPECT_EQ(Load(store).itemWidth[0], 234);
}

TEST(DisplayFormatSettingsTest, EverythingSwitchedOffComesBackAsTheBuiltInFormat) {
  MemorySettingsStore store;
  StoreListSettings(store, DisplayFormat(), true);
  bool wordWrap = false;
  EXPECT_EQ(Load(store, &wordWrap), BuiltInDisplayFormat());
  EXPECT_TRUE(wordWrap);

  // Only the low 16 bits of the plain values count as the value.
  store.SetInt("List", "dspColumn", 0x10001);
  store.SetInt("List", "dspObject", 0x10000);
  EXPECT_EQ(Load(store), BuiltInDisplayFormat());

  // A left space alone is a user's choice and is kept.
  store.SetInt("List", "dspSpace", 2);
  EXPECT_EQ(Load(store).leftSpace, 2);
  EXPECT_EQ(Load(store).lineShown[0], 0);
}

TEST(DisplayFormatSettingsTest, WholeItemValueDecidesTheDefaultTest) {
  MemorySettingsStore store;
  store.SetInt("List", "dspItem205", 65536 * 1000);  // kind truncates to 0 in 16 bits

  const DisplayFormat format = Load(store);

  EXPECT_NE(format, BuiltInDisplayFormat());
  EXPECT_EQ(format.itemKind[ListSlotIndex(2, 5)], 0);
}

}  // namespace
}  // namespace mirelon::test
