#include "gui/app/contacts_flow.h"

#include <optional>

#include "appcore/program_settings.h"
#include "book/book_files.h"
#include "contacts/contact_files.h"
#include "contacts/contact_import.h"
#include "gui/dialogs/contact_import_dialog.h"
#include "gui/kit/file_chooser.h"
#include "gui/kit/message_box.h"
#include "gui/kit/wx_text.h"
#include "platform/user_folders.h"
#include "text/cp932.h"

namespace mirelon {

namespace {

using namespace literals;

constexpr const char* kImportFilter = "連絡先 (*.vcf;*.csv)|*.vcf;*.VCF;*.csv;*.CSV|vCard (*.vcf)|*.vcf|CSV (*.csv)|*.csv";
constexpr const char* kExportFilter = "vCard (*.vcf)|*.vcf|CSV (*.csv)|*.csv";
constexpr const char* kExportExtensions[] = {".vcf", ".csv"};

// Beside the book, where the user keeps its files; a new book's in the documents folder.
wxString ChooserFolder(const AddressBook& book) {
  return book.file.directory.empty() ? FromPath(UserDocumentsFolder()) : FromPath(book.file.directory);
}

}  // namespace

PageToShow RunContactsImport(wxWindow* parent, AddressBook& book, ProgramSettings& settings) {
  FileChooserDialog chooser(parent, U8("取り込む連絡先のファイル選択"), ChooserFolder(book), wxString(),
                            U8(kImportFilter), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (chooser.ShowModal() != wxID_OK) return std::nullopt;
  const std::filesystem::path path = ToPath(chooser.GetPath());
  ContactSource source;
  const ContactFileRead read = ReadContactFile(path, source);
  if (read != ContactFileRead::Read) {
    ShowMessageBox(ContactFileMessage(read, path));
    return std::nullopt;
  }
  if (source.kind == ContactFileKind::Table && !source.columnsKnown) {
    source.columns = MappingFromStored(settings.Store(), source.table.header);
    if (!ChooseColumns(parent, source, settings)) return std::nullopt;
  }
  ContactImportDialog dialog(parent, book, source, settings, path);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  const int shown = book.currentPage;
  const std::optional<std::string> shownName =
      shown <= book.recordCount() ? std::optional(book.record(shown - 1).registrationName) : std::nullopt;
  ImportContacts(book, source.Contacts());
  // The record shown before stays on display where the new ones moved it; a new page stays new.
  return shownName ? book.LowerBound(*shownName) + 1 : book.recordCount() + 1;
}

void RunContactsExport(wxWindow* parent, const AddressBook& book) {
  const wxString name = book.file.baseName.empty() ? U8("連絡先") : FromPath(book.file.baseName);
  FileChooserDialog chooser(parent, U8("連絡先の書き出し先"), ChooserFolder(book), name + ".vcf",
                            U8(kExportFilter), wxFD_SAVE | wxFD_OVERWRITE_PROMPT);
  if (chooser.ShowModal() != wxID_OK) return;
  std::filesystem::path path = ToPath(chooser.GetPath());
  if (!path.has_extension()) path += kExportExtensions[chooser.GetFilterIndex() == 1 ? 1 : 0];
  std::string message;
  if (!WriteContactFile(book, path, message)) {
    ShowMessageBox(message);
    return;
  }
  ShowMessageBox(Sjis(std::to_string(book.recordCount()) + "件の連絡先を書き出しました\r\n") + PathText(path));
}

}  // namespace mirelon
