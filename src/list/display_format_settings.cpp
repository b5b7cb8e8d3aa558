#include "list/display_format_settings.h"

#include <cstdio>
#include <string>

#include "platform/settings_store.h"

namespace mirelon {

namespace {

const std::string kSection = "List";
const std::string kWordWrap = "dspWordWrap";
const std::string kFilter = "dspObject";
const std::string kNumbering = "dspNumber";
const std::string kLeftSpace = "dspSpace";
const std::string kColumnLayout = "dspColumn";

constexpr int kKindFactor = 1000;

std::string LineName(int line) { return "dspLine" + std::to_string(line); }

// "dspItem101" .. "dspItem310": line 1-3, slot 01-10.
std::string ItemName(int slotIndex) {
  char name[24];
  std::snprintf(name, sizeof name, "dspItem%d%02d", slotIndex / kListSlotsPerLine + 1, slotIndex % kListSlotsPerLine + 1);
  return name;
}

}  // namespace

void LoadListSettings(const SettingsStore& store, DisplayFormat& format, bool& wordWrap) {
  wordWrap = store.GetInt(kSection, kWordWrap, 0) != 0;

  DisplayFormat loaded;
  loaded.filter = static_cast<int16_t>(store.GetInt(kSection, kFilter, 0));
  loaded.numbering = static_cast<int16_t>(store.GetInt(kSection, kNumbering, 0));
  loaded.leftSpace = static_cast<int16_t>(store.GetInt(kSection, kLeftSpace, 0));
  loaded.columnLayout = static_cast<int16_t>(store.GetInt(kSection, kColumnLayout, 1));
  for (int line = 1; line <= kListLineCount; ++line) {
    loaded.lineShown[static_cast<size_t>(line - 1)] = static_cast<int16_t>(store.GetInt(kSection, LineName(line), 0));
  }
  // The default test looks at whole item values: one whose kind and width both truncate to 0 in
  // 16 bits is still a value the user stored.
  bool itemsAtDefault = true;
  for (int k = 0; k < kListSlotCount; ++k) {
    const int value = store.GetInt(kSection, ItemName(k), 0);
    itemsAtDefault = itemsAtDefault && value == 0;
    loaded.itemKind[static_cast<size_t>(k)] = static_cast<int16_t>(value / kKindFactor);
    loaded.itemWidth[static_cast<size_t>(k)] = static_cast<int16_t>(value % kKindFactor);
  }
  format = itemsAtDefault && loaded == DisplayFormat() ? BuiltInDisplayFormat() : loaded;
  format.displayedCount = 0;
}

void StoreListSettings(SettingsStore& store, const DisplayFormat& format, bool wordWrap) {
  store.SetInt(kSection, kWordWrap, wordWrap ? 1 : 0);
  store.SetInt(kSection, kFilter, format.filter);
  store.SetInt(kSection, kNumbering, format.numbering);
  store.SetInt(kSection, kLeftSpace, format.leftSpace);
  store.SetInt(kSection, kColumnLayout, format.columnLayout);
  for (int line = 1; line <= kListLineCount; ++line) {
    store.SetInt(kSection, LineName(line), format.lineShown[static_cast<size_t>(line - 1)]);
  }
  for (int k = 0; k < kListSlotCount; ++k) {
    const auto slot = static_cast<size_t>(k);
    store.SetInt(kSection, ItemName(k), format.itemKind[slot] * kKindFactor + format.itemWidth[slot] % kKindFactor);
  }
}

}  // namespace mirelon
