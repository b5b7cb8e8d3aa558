// The book side of joining history lines that found no address data to address records that have
// no history, after a family was read.
#pragma once

#include "book/address_book.h"

namespace mirelon {

bool HasHistoryOnlyRecords(const AddressBook& book);

// Record `addressIndex` takes the history side of the HistoryOnly record `historyIndex`, which is
// then deleted; the book is modified.
void JoinHistoryRecord(AddressBook& book, int historyIndex, int addressIndex);

// Closing the merge: every record still HistoryOnly gets "★★★★★" as its name so that the user
// finds it; it stays HistoryOnly and `modified` is not changed.
void NameUnjoinedHistories(AddressBook& book);

}  // namespace mirelon
