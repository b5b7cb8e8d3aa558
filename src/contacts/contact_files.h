// Contacts files as the import and export flows meet them: recognised by their extension, read
// whole, written in place of the old file only when complete.
#pragma once

#include <filesystem>
#include <string>

#include "book/address_book.h"
#include "contacts/contacts_table.h"
#include "contacts/vcard_reader.h"
#include "platform/settings_store.h"

namespace mirelon {

enum class ContactFileKind { VCard, Table, Other };

// ".vcf" / ".vcard" and ".csv", in any letter case.
ContactFileKind ContactFileKindOf(const std::filesystem::path& path);

enum class ContactFileRead { Read, NotContacts, OpenFailed, ReadFailed };

// A contacts file read: its cards, or its table with the columns known by their names.
struct ContactSource {
  ContactFileKind kind = ContactFileKind::Other;
  ContactsRead cards;        // VCard
  ContactTable table;        // Table
  ColumnMapping columns;     // Table: from the names, changed by a column map
  bool columnsKnown = false; // Table: the names were recognised, or a map was applied

  // The contacts the source gives with its present columns.
  ContactsRead Contacts() const;
};

ContactFileRead ReadContactFile(const std::filesystem::path& path, ContactSource& source);

// The message of a failed read (CP932): "%s\r\nファイルのオープンに失敗しました" and the like.
std::string ContactFileMessage(ContactFileRead result, const std::filesystem::path& path);

// Writes the book as vCard or table by the extension of `path`; false with the message (CP932)
// when the file could not be written (the old one then stays) or the extension is neither.
bool WriteContactFile(const AddressBook& book, const std::filesystem::path& path, std::string& message);

// The column map the user last gave a table whose names were not known, kept in the settings.
std::string StoredColumnMap(const SettingsStore& settings);
void StoreColumnMap(SettingsStore& settings, const std::string& map);
// The stored map's entries for the columns this header has (the others are left out, so that a
// map made for another table applies where it fits).
ColumnMapping MappingFromStored(const SettingsStore& settings, const std::vector<std::string>& header);

}  // namespace mirelon
