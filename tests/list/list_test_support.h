// Books and formats for the list tests: records built from UTF-8 spellings, formats slot by slot.
#pragma once

#include <cstdio>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "book/address_book.h"
#include "list/display_format.h"
#include "list/list_item_kind.h"
#include "text/cp932.h"

namespace mirelon::test {

// A record whose registration name and name are `name` (UTF-8).
inline AddressRecord NamedRecord(const std::string& name) {
  AddressRecord record;
  record.registrationName = Sjis(name);
  record.name = Sjis(name);
  return record;
}

// A book holding `records` in the given order (their registration names must already collate so).
inline AddressBook BookOf(const std::vector<AddressRecord>& records) {
  AddressBook book;
  for (const AddressRecord& record : records) book.InsertRecordAt(book.recordCount(), record);
  return book;
}

// A book of `count` records named "r0001" ...
inline AddressBook NumberedBook(int count) {
  std::vector<AddressRecord> records;
  for (int i = 1; i <= count; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "r%04d", i);
    records.push_back(NamedRecord(name));
  }
  return BookOf(records);
}

using SlotSetting = std::pair<ListItemKind, int>;

// Sets the slots of `line` from slot 1 on and shows the line.
inline void SetLine(DisplayFormat& format, int line, std::initializer_list<SlotSetting> slots) {
  format.lineShown[static_cast<size_t>(line - 1)] = 1;
  int slot = 1;
  for (const auto& [kind, width] : slots) {
    const auto k = static_cast<size_t>(ListSlotIndex(line, slot++));
    format.itemKind[k] = static_cast<int16_t>(kind);
    format.itemWidth[k] = static_cast<int16_t>(width);
  }
}

inline DisplayFormat LineOneFormat(std::initializer_list<SlotSetting> slots) {
  DisplayFormat format;
  SetLine(format, 1, slots);
  return format;
}

}  // namespace mirelon::test
