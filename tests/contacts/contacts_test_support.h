// Reading the contacts fixtures into a fresh book, and a record as one line of UTF-8 for comparison.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "book/address_book.h"
#include "contacts/contact_files.h"
#include "contacts/contact_import.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace mirelon::test {

inline std::filesystem::path ContactFixture(const std::string& name) {
  return std::filesystem::path(MIRELON_TEST_DATA) / "contacts" / name;
}

// Fields 1-21 (the address and contact sides) joined by "|", in UTF-8.
inline std::string Fields(const AddressRecord& record, int last = 21) {
  std::string line;
  for (int n = 1; n <= last; ++n) line += (n > 1 ? "|" : "") + Cp932ToUtf8(record.Field(n));
  return line;
}

inline std::vector<std::string> BookFields(const AddressBook& book, int last = 21) {
  std::vector<std::string> lines;
  for (const AddressRecord& record : book.records()) lines.push_back(Fields(record, last));
  return lines;
}

inline std::vector<std::string> ReportTexts(const std::vector<ContactReport>& reports) {
  std::vector<std::string> texts;
  for (const ContactReport& report : reports) texts.push_back(report.text);
  return texts;
}

}  // namespace mirelon::test
