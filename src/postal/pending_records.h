// The records of a book that the bulk check still has to decide, found by their postal code, so
// that each data file is read once and every row is compared only with the records of its code.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "book/address_book.h"

namespace mirelon {

// A code of 0000000 would read as 0, "fits", before any row was compared: such a record waits
// under this value instead, which no seven-digit code can have.
inline constexpr int32_t kZeroCodePending = 10000000;

// After ComputePostalKeys: a record whose code is 0000000 waits under kZeroCodePending.
void HoldZeroCodesPending(AddressBook& book);

// The check value of a record whose code `code` is not decided yet.
constexpr int32_t PendingValue(int32_t code) { return code == 0 ? kZeroCodePending : code; }

// The code a data row carries: the leading decimal digits of its first field, or -1.
template <class Unit>
int32_t ParseRowCode(std::basic_string_view<Unit> field) {
  constexpr size_t kMaxDigits = 9;  // more never matches a seven-digit code and could overflow
  int32_t code = 0;
  size_t digits = 0;
  for (; digits < field.size() && field[digits] >= Unit('0') && field[digits] <= Unit('9'); ++digits) {
    if (digits == kMaxDigits) return -1;
    code = code * 10 + static_cast<int32_t>(field[digits] - Unit('0'));
  }
  return digits == 0 ? -1 : code;
}

class PendingRecords {
 public:
  // Indexes every record that holds a valid code and is not decided yet.
  explicit PendingRecords(const AddressBook& book);
  // The record indexes filed under the code (decided ones included), or null.
  const std::vector<int>* Find(int32_t code) const;

 private:
  std::unordered_map<int32_t, std::vector<int>> byCode_;
};

}  // namespace mirelon
