#include "book/index_list.h"

#include <cstdio>

#include "text/cp932.h"
#include "text/sjis.h"

namespace mirelon {

namespace {
constexpr int kNameCells = 20;
}

std::optional<int> IndexList::RecordAt(int line) const {
  if (line < 0 || line >= static_cast<int>(recordIndex.size())) return std::nullopt;
  return recordIndex[static_cast<size_t>(line)];
}

std::string IndexLine(const AddressRecord& record, int index) {
  char number[8];
  std::snprintf(number, sizeof number, index < 999 ? "%3d " : "%3d", index + 1);
  std::string registrationName = record.registrationName;
  std::string name = record.name;
  FitToHalfWidth(registrationName, kNameCells, true);
  FitToHalfWidth(name, kNameCells, false);
  return std::string(number) + " " + registrationName + "  " + name;
}

std::string IndexNoDataLine() { return Sjis("　　　　該当するデータはありません"); }

IndexList BuildIndexList(const AddressBook& book, bool mismatchOnly) {
  const bool restricted = mismatchOnly && book.postalCheckDone;
  IndexList list;
  for (int i = 0; i < book.recordCount(); ++i) {
    if (restricted && book.postalCheckValue[static_cast<size_t>(i)] == 0) continue;
    if (i + 1 == book.currentPage) list.currentLine = static_cast<int>(list.lines.size());
    list.lines.push_back(IndexLine(book.record(i), i));
    list.recordIndex.push_back(i);
  }
  if (list.lines.empty()) list.lines.push_back(IndexNoDataLine());
  return list;
}

}  // namespace mirelon
