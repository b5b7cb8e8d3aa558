#include "cards/card_records.h"

#include "book/address_book.h"
#include "book/history_rules.h"
#include "text/sjis.h"

namespace mirelon {

bool HasCardAddress(const AddressRecord& record) {
  return !TrimmedBlanks(record.address1).empty() || !TrimmedBlanks(record.address2).empty();
}

std::vector<int> DefaultCardRecords(const AddressBook& book) {
  std::vector<int> indices;
  for (int i = 0; i < book.recordCount(); ++i) {
    const AddressRecord& record = book.record(i);
    if (HasCardAddress(record) && JudgeSend(record, WhichMark::Newest)) indices.push_back(i);
  }
  return indices;
}

}  // namespace mirelon
