#include "cards/card_records.h"

#include "book/address_book.h"
#include "book/history_rules.h"
#include "text/sjis.h"

namespace mirelon {

std::vector<int> DefaultCardRecords(const AddressBook& book) {
  std::vector<int> indices;
  for (int i = 0; i < book.recordCount(); ++i) {
    const AddressRecord& record = book.record(i);
    // A history line without address data has nothing to print on a card.
    const bool hasAddress = !TrimmedBlanks(record.address1).empty() || !TrimmedBlanks(record.address2).empty();
    if (hasAddress && JudgeSend(record, WhichMark::Newest)) indices.push_back(i);
  }
  return indices;
}

}  // namespace mirelon
