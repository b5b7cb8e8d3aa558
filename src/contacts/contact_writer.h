// The book for other programs: vCard 3.0 for phones, a table for spreadsheets. Both UTF-8.
#pragma once

#include <string>

#include "book/address_book.h"

namespace mirelon {

// One card per record, CR LF, lines folded at 75 bytes: the reading as X-PHONETIC-LAST-NAME /
// -FIRST-NAME and SORT-STRING, the honorific as N's suffix, the address with its postal code,
// memo 1 (with the joint names as its closing lines, vCard having no place for them) and memo 2
// as two notes. ReadVCards gives the same address and contact fields back.
std::string WriteVCards(const AddressBook& book);

// A header row of Japanese column names, then every field of every record, the histories one
// column per year ("送信 2024"); with a byte-order mark, so that spreadsheets take it as UTF-8.
// ReadContactTable and RecogniseColumns read it back whole.
std::string WriteContactTable(const AddressBook& book);

}  // namespace mirelon
