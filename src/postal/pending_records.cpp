#include "postal/pending_records.h"

namespace mirelon {

void HoldZeroCodesPending(AddressBook& book) {
  for (int i = 0; i < book.recordCount(); ++i) {
    if (book.postalCheckValue[static_cast<size_t>(i)] == 0) book.postalCheckValue[static_cast<size_t>(i)] = kZeroCodePending;
  }
}

PendingRecords::PendingRecords(const AddressBook& book) {
  for (int i = 0; i < book.recordCount(); ++i) {
    const int32_t value = book.postalCheckValue[static_cast<size_t>(i)];
    if (value > 0) byCode_[value == kZeroCodePending ? 0 : value].push_back(i);
  }
}

const std::vector<int>* PendingRecords::Find(int32_t code) const {
  const auto found = byCode_.find(code);
  return found == byCode_.end() ? nullptr : &found->second;
}

}  // namespace mirelon
