#include "gui/editor/file_flows.h"

#include <algorithm>
#include <string>
#include <system_error>

#include <wx/filename.h>

#include "appcore/program_settings.h"
#include "book/address_book.h"
#include "book/book_files.h"
#include "book/history_merge.h"
#include "gui/dialogs/merge_dialog.h"
#include "gui/kit/file_chooser.h"
#include "gui/kit/message_box.h"
#include "gui/kit/wx_text.h"
#include "platform/utf8_path.h"
#include "platform/user_folders.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

constexpr const char* kCsvFilter = "CSVﾌｧｲﾙ (*.csv)|*.csv";
constexpr const char* kDefaultExtension = ".csv";

// Both choosers open in the folder of the last file used, else in the user's documents folder
// (the program's own folder is a build or system folder, no place for the user's books).
wxString InitialFolder(const SettingsStore& settings) {
  const std::string recent = ReadMiscString(settings, misc::kRecentFile);
  if (recent.empty()) return FromPath(UserDocumentsFolder());
  const wxString text = wxString::FromUTF8(recent);
  const size_t cut = text.find_last_of(wxFILE_SEP_PATH);
  return cut == wxString::npos ? text : text.substr(0, cut);
}

}  // namespace

FileFlows::FileFlows(wxWindow* parent, AddressBook& book, ProgramSettings& settings)
    : parent_(parent), book_(book), settings_(settings) {}

PageToShow FileFlows::ReadFile() {
  if (book_.modified &&
      !ShowMessageBox("変更点を保存しないで別のファイルを読み込みます"_sjis, PromptButtons::OkCancelDefaultCancel)) {
    return std::nullopt;
  }
  const std::optional<std::filesystem::path> chosen = ChooseFile(Chooser::Open);
  if (!chosen) return std::nullopt;
  const FamilyRead read = ReadBookFamily(book_, *chosen);
  if (read == FamilyRead::NameRefused || read == FamilyRead::ImportCancelled || read == FamilyRead::Busy) {
    return std::nullopt;
  }
  // A file that failed or records the full book dropped: the book is not what is on disk, so it
  // must not count as saved (closing asks, and the sibling program is not started on it).
  if (read == FamilyRead::Incomplete) book_.modified = true;
  if (HasHistoryOnlyRecords(book_)) HistoryMergeDialog(parent_, book_, settings_.Switches().toolTipCtrl).ShowModal();
  settings_.WriteMiscString(misc::kRecentFile, PathToUtf8(*chosen));
  return 1;
}

PageToShow FileFlows::ReloadAfterQuelta() {
  if (!book_.file.sendExists && !book_.file.noSendExists && !book_.file.historyExists) return std::nullopt;
  book_.ResetForRead();
  if (book_.SetFileName(FamilyPath(book_.file, BookFileKind::SendFile))) {
    if (!LoadBookFamilyFiles(book_)) book_.modified = true;  // as after "ファイル読込"
    if (HasHistoryOnlyRecords(book_)) HistoryMergeDialog(parent_, book_, settings_.Switches().toolTipCtrl).ShowModal();
  } else {
    ShowMessageBox("ファイルが見つかりません"_sjis);
    book_.file.baseName.clear();
  }
  const int count = book_.recordCount();
  // A book without records opens on the empty new page.
  return count < book_.currentPage ? std::max(count, 1) : book_.currentPage;
}

void FileFlows::WriteFile() {
  if (book_.HasFile()) {
    if (!ShowMessageBox("ファイルに保存します"_sjis, PromptButtons::OkCancel)) return;
    const SaveResult written = WriteBookFamily(book_);
    // A family another window holds is still there to be written in a moment.
    if (written || written.outcome == FamilySave::Busy) return;
  }
  // A book that could not be written where it is can still be written elsewhere.
  SaveUnderChosenName();
}

void FileFlows::SaveUnderChosenName() {
  for (;;) {
    const std::optional<std::filesystem::path> chosen = ChooseFile(Chooser::Save);
    if (!chosen || !ConfirmReplacingFamily(*chosen)) return;
    if (SaveBookFamilyAs(book_, *chosen)) {
      settings_.WriteMiscString(misc::kRecentFile, PathToUtf8(*chosen));
      return;
    }
  }
}

std::optional<std::filesystem::path> FileFlows::ChooseFile(Chooser chooser) {
  const bool open = chooser == Chooser::Open;
  FileChooserDialog dialog(parent_, U8(open ? "読み込みCSVファイル選択" : "書き込みCSVファイル選択"),
                           InitialFolder(settings_.Store()), wxString(), U8(kCsvFilter), open ? wxFD_OPEN : wxFD_SAVE);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  std::filesystem::path path = ToPath(dialog.GetPath());
  if (!path.has_extension()) path += kDefaultExtension;
  return path;
}

bool FileFlows::ConfirmReplacingFamily(const std::filesystem::path& chosen) {
  if (!IsBookPath(chosen)) return true;  // refused before anything is written
  AddressBook family;
  family.SetFileName(chosen);
  std::string existing;
  for (const BookFileKind kind : {BookFileKind::SendFile, BookFileKind::NoSendFile, BookFileKind::HistoryFile}) {
    const std::filesystem::path path = FamilyPath(family.file, kind);
    std::error_code error;
    if (std::filesystem::exists(path, error)) existing += PathText(path) + "\r\n";
  }
  return existing.empty() ||
         ShowMessageBox(existing + "は既に存在します。\r\n上書きしますか？"_sjis, PromptButtons::YesNoDefaultNo);
}

}  // namespace mirelon
