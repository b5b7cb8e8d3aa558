#include "gui/app/contacts_flow.h"

#include <optional>

#include "appcore/program_settings.h"
#include "book/book_files.h"
#include "contacts/contact_files.h"
#include "contacts/contact_import.h"
#include "gui/dialogs/contact_import_dialog.h"
#include "gui/editor/address_editor_dialog.h"
#include "gui/kit/file_chooser.h"
#include "gui/kit/message_box.h"
#include "gui/kit/template_dialog.h"
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

// The page committed; false when it cannot be (its message is out).
bool CommitShownPage(AddressEditorDialog& editor) {
  const int page = editor.CommitPage(editor.CurrentPage());
  if (page < 1) return false;
  editor.SetCurrentPage(page);
  editor.PushMembers();
  return true;
}

// The record shown before stays on display where the new ones moved it; a new page stays new.
void ShowBookAfterImport(AddressEditorDialog& editor, const std::optional<std::string>& shownName) {
  AddressBook& book = editor.Book();
  const int page = shownName ? book.LowerBound(*shownName) + 1 : book.recordCount() + 1;
  book.currentPage = page;
  if (shownName) {
    editor.ShowPage(page);
  } else {
    editor.ShowNewPage();
  }
  editor.UpdatePageSpin();
  editor.UpdateLabels();
  editor.UpdateEnabling();
  editor.FillHonorificLists();
  editor.UpdateLaunchButton();
}

}  // namespace

void RunContactsImport(AddressEditorDialog& editor, ProgramSettings& settings) {
  if (!CommitShownPage(editor)) return;
  AddressBook& book = editor.Book();
  FileChooserDialog chooser(editor.Window(), U8("取り込む連絡先のファイル選択"), ChooserFolder(book), wxString(),
                            U8(kImportFilter), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (chooser.ShowModal() != wxID_OK) return;
  const std::filesystem::path path = ToPath(chooser.GetPath());
  ContactSource source;
  const ContactFileRead read = ReadContactFile(path, source);
  if (read != ContactFileRead::Read) {
    ShowMessageBox(ContactFileMessage(read, path));
    return;
  }
  if (source.kind == ContactFileKind::Table && !source.columnsKnown) {
    source.columns = MappingFromStored(settings.Store(), source.table.header);
    if (!ChooseColumns(editor.Window(), source, settings)) return;
  }
  ContactImportDialog dialog(editor.Window(), book, source, settings, path);
  if (dialog.ShowModal() != wxID_OK) return;
  const int shown = editor.CurrentPage();
  const std::optional<std::string> shownName =
      shown <= book.recordCount() ? std::optional(book.record(shown - 1).registrationName) : std::nullopt;
  ImportContacts(book, source.Contacts());
  ShowBookAfterImport(editor, shownName);
}

void RunContactsExport(AddressEditorDialog& editor) {
  if (!CommitShownPage(editor)) return;
  const AddressBook& book = editor.Book();
  const wxString name = book.file.baseName.empty() ? U8("連絡先") : FromPath(book.file.baseName);
  FileChooserDialog chooser(editor.Window(), U8("連絡先の書き出し先"), ChooserFolder(book), name + ".vcf",
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
