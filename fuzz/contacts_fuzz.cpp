// Contacts files of any bytes, read as vCard and as a table, imported into a book: nothing crashes,
// every record the import made fits its fields, and the book written as vCard reads back to it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "contacts/contact_import.h"
#include "contacts/contact_record.h"
#include "contacts/contact_writer.h"
#include "contacts/contacts_table.h"
#include "contacts/vcard_reader.h"

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
  std::abort();
}

void CheckFields(const mirelon::AddressBook& book) {
  for (const mirelon::AddressRecord& record : book.records()) {
    for (int n = 1; n <= mirelon::AddressRecord::kFieldCount; ++n) {
      // The book's renaming of a taken registration name may append "-1000" at the most.
      const size_t limit = mirelon::FieldByteLimit(n) + (n == 1 ? 5 : 0);
      if (mirelon::FieldByteLimit(n) != 0 && record.Field(n).size() > limit) Fail("field over its limit", std::to_string(n));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  mirelon::AddressBook cards;
  mirelon::ImportContacts(cards, mirelon::ReadVCards(bytes));
  CheckFields(cards);
  mirelon::AddressBook again;
  again.year = cards.year;
  mirelon::ImportContacts(again, mirelon::ReadVCards(mirelon::WriteVCards(cards)));
  if (again.recordCount() != cards.recordCount()) {
    Fail("vCard round trip", std::to_string(cards.recordCount()) + " -> " + std::to_string(again.recordCount()));
  }

  const mirelon::ContactTable table = mirelon::ReadContactTable(bytes);
  mirelon::AddressBook rows;
  mirelon::ImportContacts(rows, mirelon::ContactsFromTable(table, mirelon::RecogniseColumns(table.header).mapping));
  CheckFields(rows);
  return 0;
}
