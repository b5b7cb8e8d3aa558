// Which of a book's records get a card unless the user chooses otherwise.
#pragma once

#include <vector>

namespace mirelon {

class AddressBook;

// Those the newest send mark sends (the book's own send judgement) that have an address to print
// on. Indices into the book's records, in book order.
std::vector<int> DefaultCardRecords(const AddressBook& book);

}  // namespace mirelon
