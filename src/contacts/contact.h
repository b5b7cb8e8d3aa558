// A contact as another program gave it, before it becomes a record: UTF-8 texts by where they go
// in the book, some of them parts that are put together (family and given name, the address of a
// card). Kept in UTF-8 so that a character the book cannot hold can still be named in a report.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirelon {

// Where a value goes: the record fields 1-24 by their number, then the parts.
enum class ContactField {
  RegistrationName = 1, PostalCode, Address1, Address2, Company1, Company2, Position, Name, Honorific,
  JointName1, JointHonorific1, JointName2, JointHonorific2, JointName3, JointHonorific3,
  Phone, Fax, Mobile, Email, Memo1, Memo2, InitialSendState, SendHistory, ReceiveHistory,
  FamilyName, GivenName, FamilyReading, GivenReading,  // put together with a full-width space
  Region, Locality, Street,                            // put together into address line 1
  Ignore,
};
// Indexed by the enum value (0 unused, so that record field n is index n).
inline constexpr int kContactFieldCount = static_cast<int>(ContactField::Ignore) + 1;

// The field's name for the user (a record field's label) and for a column map (its code name).
std::string_view FieldLabel(ContactField field);
std::string_view FieldCode(ContactField field);
// A field named by its code name or its label, as a column map gives it.
std::optional<ContactField> FieldByName(std::string_view name);
// Every field a column may go to, in the order a chooser lists them (Ignore first).
const std::vector<ContactField>& MappableFields();

// One history mark of one year, as a column of a table gave it.
struct YearMark {
  int year = 0;
  std::string mark;
};

struct Contact {
  int number = 0;  // 1-based place in the file, for reports
  // Values per field in the order met; a field of the record takes one, the rest are reported.
  std::array<std::vector<std::string>, kContactFieldCount> values;
  std::vector<YearMark> sendMarks, receiveMarks;

  void Add(ContactField field, std::string value);
  const std::vector<std::string>& Of(ContactField field) const { return values[static_cast<size_t>(field)]; }
  std::string First(ContactField field) const { return Of(field).empty() ? std::string() : Of(field).front(); }
  // How a report names the contact: "3件目「山田　太郎」".
  std::string Label() const;
};

// What the importer tells the user; every text is UTF-8.
enum class ContactIssue {
  Unencodable,     // a character the book cannot hold: the field was left empty
  TooLong,         // longer than the field takes: left empty
  NoReading,       // no reading: the registration name is to be filled in
  ExtraValue,      // a second value for a field that takes one: not taken
  Unreadable,      // a line or an encoding that could not be read
  Renamed,         // the registration name was taken: the book gave it another
  KeptInBook,      // a known record's value differs from the contact's: the record's stays
  BookFull,        // the book holds 1000 records: not taken
  NoName,          // neither a name nor a reading: not taken
  UnusedColumns,   // columns of a table that go nowhere
};

struct ContactReport {
  ContactIssue issue;
  std::string text;  // the whole line as shown
};

// The placeholder registration name of a contact without a reading, listed for the user to fill.
std::string_view NoReadingName();

}  // namespace mirelon
