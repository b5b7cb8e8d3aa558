// The lines of the index window: one per record (number, registration name, name), or only the records
// the address check marked, or the no-data line.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "book/address_book.h"

namespace mirelon {

struct IndexList {
  std::vector<std::string> lines;  // CP932
  std::vector<int> recordIndex;    // the record of each line; empty for the no-data line
  int currentLine = -1;            // the line of the book's currentPage, -1 when it is not listed

  // The record a selected line stands for; nothing for the no-data line.
  std::optional<int> RecordAt(int line) const;
};

// Record `index`'s line: the number "%3d" (a space more below 1000), a space, the registration name in
// 20 cells padded, two spaces, the name cut to 20 cells.
std::string IndexLine(const AddressRecord& record, int index);

// "　　　　該当するデータはありません": shown when no record is listed.
std::string IndexNoDataLine();

// Every record, or with `mismatchOnly` (and a valid check) only those whose check value is not 0.
IndexList BuildIndexList(const AddressBook& book, bool mismatchOnly);

}  // namespace mirelon
