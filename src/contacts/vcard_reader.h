// Reading the cards of a .vcf file (versions 2.1, 3.0 and 4.0) into contacts.
#pragma once

#include <string_view>
#include <vector>

#include "contacts/contact.h"

namespace mirelon {

struct ContactsRead {
  std::vector<Contact> contacts;
  std::vector<ContactReport> reports;  // what could not be read or placed
};

// Every card of `bytes`: UTF-8, or Shift-JIS where a property says CHARSET=SHIFT_JIS (or the file
// is not UTF-8 at all, as older phones wrote it); folded lines, quoted-printable, escapes and
// grouped properties ("item1.ADR") read; pictures and properties the book has no place for
// skipped. Nothing here is refused: values the book cannot hold are the record's to report.
ContactsRead ReadVCards(std::string_view bytes);

// A note's closing lines "連名１: 花子 (様)" (as the writer puts joint names) taken out of `note`.
struct JointNameLine {
  int number = 0;  // 1-3
  std::string name, honorific;
};
std::vector<JointNameLine> TakeJointNameLines(std::string& note);
// The line the writer gives a joint name.
std::string JointNameLineText(int number, std::string_view name, std::string_view honorific);

}  // namespace mirelon
