// Contacts into the book through its own insertion: what would happen is shown first (the same
// run on a copy of the book), then done.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "book/address_book.h"
#include "contacts/contact.h"
#include "contacts/vcard_reader.h"

namespace mirelon {

enum class ImportVerdict {
  New,        // added in sorted position (renamed when its registration name was taken)
  Updated,    // a record of the same registration name and name took its empty contact fields
  Unchanged,  // such a record had every contact field it could give (other values are reported)
  Refused,    // no name nor reading, or the book was full
};

struct ImportEntry {
  std::string label;  // Contact::Label()
  ImportVerdict verdict = ImportVerdict::New;
};

struct ImportSummary {
  int added = 0, updated = 0, unchanged = 0, refused = 0;
  std::vector<ImportEntry> entries;     // one per contact, in file order
  std::vector<ContactReport> reports;   // the reading's, then each contact's, in file order
  bool ChangesBook() const { return added + updated > 0; }
};

// Adds the contacts to `book` and marks it modified when anything changed; writes nothing. The
// book's own messages (renaming, the record limit) become reports instead of boxes.
ImportSummary ImportContacts(AddressBook& book, const ContactsRead& contacts);
// What ImportContacts would do, leaving `book` untouched.
ImportSummary PreviewImport(const AddressBook& book, const ContactsRead& contacts);

// "新規", "更新", "変更なし", "取り込めない"
std::string_view VerdictText(ImportVerdict verdict);
// "新規 3件、更新 1件、変更なし 0件、取り込めない 1件"
std::string SummaryLine(const ImportSummary& summary);

}  // namespace mirelon
