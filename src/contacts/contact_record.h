// A contact as a record of the book: every text through the CP932 codec and the book's limits.
#pragma once

#include <vector>

#include "book/address_record.h"
#include "contacts/contact.h"

namespace mirelon {

struct ContactRecord {
  AddressRecord record;
  // A contact with neither a name nor a reading gives no record.
  bool usable = false;
};

// The record of `contact` for a book whose histories end in `bookYear`. A text CP932 cannot
// hold, or one longer than its field takes, is reported naming the contact and the field, and the
// field stays empty: nothing is replaced by "?" and nothing is cut. A contact without a reading
// gets NoReadingName() as its registration name, reported for the user to fill in.
ContactRecord ToRecord(const Contact& contact, int bookYear, std::vector<ContactReport>& reports);

// The most bytes a field takes (0: no limit), as the editor's fields take them.
size_t FieldByteLimit(int fieldNumber);

// A postal code as the user would type it: "1000005", "100-0005" and "〒１００－０００５" all give
// "100-0005"; a code without exactly seven digits is kept in half-width characters as given.
std::string PostalCodeAsTyped(std::string_view cp932);

}  // namespace mirelon
