// Contacts from a table with a header row (.csv): the text in UTF-8 or Shift-JIS, the columns
// known by their names or given by a column map.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "contacts/contact.h"
#include "contacts/vcard_reader.h"

namespace mirelon {

struct ContactTable {
  std::vector<std::string> header;             // UTF-8
  std::vector<std::vector<std::string>> rows;  // UTF-8, as many cells as the line had
  bool shiftJis = false;                       // the file was not UTF-8
};

// A quoted cell may hold commas, doubled quotes and line breaks; a byte-order mark is dropped; a
// file that is not UTF-8 is read as Shift-JIS (CP932). Blank lines are skipped.
ContactTable ReadContactTable(std::string_view bytes);

// Where one column goes: a field, or the mark of one year of a history.
struct ColumnTarget {
  enum class Kind { Field, SendMark, ReceiveMark };
  Kind kind = Kind::Field;
  ContactField field = ContactField::Ignore;
  int year = 0;
  bool operator==(const ColumnTarget&) const = default;
};
using ColumnMapping = std::vector<ColumnTarget>;  // one per header column

// The target of a column known by its name ("姓", "フリガナ", "Phonetic Last Name", "送信 2024"…).
std::optional<ColumnTarget> KnownColumn(std::string_view name);

// The columns of `header` by their names; `recognised` when they name at least a name or a
// reading, so that the table can be read without asking.
struct RecognisedColumns {
  ColumnMapping mapping;
  bool recognised = false;
};
RecognisedColumns RecogniseColumns(const std::vector<std::string>& header);

// A column map as the user gives it: "COLUMN=FIELD,COLUMN=FIELD", FIELD a field's code name or
// label (FieldByName). Applied over `mapping` for the columns of `header` it names. Returns an
// error text (UTF-8) naming the entry it could not take, or nothing. A kept map (`Fitting`)
// applies where it fits this header and passes over the rest.
enum class MapEntries { All, Fitting };
std::optional<std::string> ApplyColumnMap(std::string_view map, const std::vector<std::string>& header,
                                          ColumnMapping& mapping, MapEntries entries = MapEntries::All);
// The map text of the columns that go somewhere (history year columns aside).
std::string ColumnMapText(const std::vector<std::string>& header, const ColumnMapping& mapping);

// Every row as a contact; the columns that go nowhere but hold values are reported once.
ContactsRead ContactsFromTable(const ContactTable& table, const ColumnMapping& mapping);

}  // namespace mirelon
