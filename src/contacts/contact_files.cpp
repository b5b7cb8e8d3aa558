#include "contacts/contact_files.h"

#include <algorithm>

#include "book/book_files.h"
#include "book/safe_file.h"
#include "contacts/contact_writer.h"
#include "platform/utf8_path.h"
#include "text/cp932.h"

namespace mirelon {

namespace {

using namespace literals;

// A phone's export with pictures of every contact is large; a file much larger is no contacts file.
constexpr size_t kMaxContactFile = size_t{256} << 20;
const std::string kSettingsSection = "Contacts";
const std::string kColumnMapValue = "csvColumnMap";

std::string LowerExtension(const std::filesystem::path& path) {
  std::string extension = PathToUtf8(path.extension());
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
  return extension;
}

}  // namespace

ContactFileKind ContactFileKindOf(const std::filesystem::path& path) {
  const std::string extension = LowerExtension(path);
  if (extension == ".vcf" || extension == ".vcard") return ContactFileKind::VCard;
  if (extension == ".csv") return ContactFileKind::Table;
  return ContactFileKind::Other;
}

ContactsRead ContactSource::Contacts() const {
  return kind == ContactFileKind::VCard ? cards : ContactsFromTable(table, columns);
}

ContactFileRead ReadContactFile(const std::filesystem::path& path, ContactSource& source) {
  source = ContactSource{};
  source.kind = ContactFileKindOf(path);
  if (source.kind == ContactFileKind::Other) return ContactFileRead::NotContacts;
  std::string bytes;
  const FileIoResult read = ReadWholeFile(path, kMaxContactFile, bytes);
  if (read == FileIoResult::IoFailed) return ContactFileRead::ReadFailed;
  if (read != FileIoResult::Done) return ContactFileRead::OpenFailed;
  if (source.kind == ContactFileKind::VCard) {
    source.cards = ReadVCards(bytes);
  } else {
    source.table = ReadContactTable(bytes);
    RecognisedColumns recognised = RecogniseColumns(source.table.header);
    source.columns = std::move(recognised.mapping);
    source.columnsKnown = recognised.recognised;
  }
  return ContactFileRead::Read;
}

std::string ContactFileMessage(ContactFileRead result, const std::filesystem::path& path) {
  switch (result) {
    case ContactFileRead::NotContacts: return PathText(path) + "\r\n"_sjis + "連絡先のファイル（.vcf か .csv）ではありません"_sjis;
    case ContactFileRead::OpenFailed: return PathText(path) + "\r\nファイルのオープンに失敗しました"_sjis;
    case ContactFileRead::ReadFailed: return PathText(path) + "\r\nファイルが壊れています"_sjis;
    case ContactFileRead::Read: break;
  }
  return {};
}

bool WriteContactFile(const AddressBook& book, const std::filesystem::path& path, std::string& message) {
  const ContactFileKind kind = ContactFileKindOf(path);
  if (kind == ContactFileKind::Other) {
    message = ContactFileMessage(ContactFileRead::NotContacts, path);
    return false;
  }
  const std::string text = kind == ContactFileKind::VCard ? WriteVCards(book) : WriteContactTable(book);
  if (ReplaceFile(path, text) != FileIoResult::Done) {
    message = PathText(path) + "\r\nファイルのオープンに失敗しました"_sjis;
    return false;
  }
  return true;
}

std::string StoredColumnMap(const SettingsStore& settings) {
  return settings.GetString(kSettingsSection, kColumnMapValue, "");
}

void StoreColumnMap(SettingsStore& settings, const std::string& map) {
  settings.SetString(kSettingsSection, kColumnMapValue, map);
}

ColumnMapping MappingFromStored(const SettingsStore& settings, const std::vector<std::string>& header) {
  ColumnMapping mapping = RecogniseColumns(header).mapping;
  ApplyColumnMap(StoredColumnMap(settings), header, mapping, MapEntries::Fitting);
  return mapping;
}

}  // namespace mirelon
