// Which of a book's records get a card unless the user chooses otherwise.
#pragma once

#include <vector>

namespace mirelon {

class AddressBook;
class AddressRecord;

// Whether the record has an address to print on: a history line without address data has none.
bool HasCardAddress(const AddressRecord& record);

// Those the newest send mark sends (the book's own send judgement) that have an address.
// Indices into the book's records, in book order.
std::vector<int> DefaultCardRecords(const AddressBook& book);

}  // namespace mirelon
