#include "book/history_merge.h"

#include <algorithm>

#include "text/cp932.h"

namespace mirelon {

bool HasHistoryOnlyRecords(const AddressBook& book) {
  return std::any_of(book.records().begin(), book.records().end(),
                     [](const AddressRecord& record) { return record.pairing == Pairing::HistoryOnly; });
}

void JoinHistoryRecord(AddressBook& book, int historyIndex, int addressIndex) {
  book.record(addressIndex).TakeHistoryFrom(book.record(historyIndex));
  book.DeleteRecord(historyIndex);
  book.modified = true;
}

void NameUnjoinedHistories(AddressBook& book) {
  const std::string marker = Sjis("★★★★★");
  for (int i = 0; i < book.recordCount(); ++i) {
    if (book.record(i).pairing == Pairing::HistoryOnly) book.record(i).name = marker;
  }
}

}  // namespace mirelon
