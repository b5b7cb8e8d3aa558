#include "book/book_files.h"

#include <array>
#include <exception>
#include <span>
#include <system_error>

#include "book/book_encoding.h"
#include "book/safe_file.h"
#include "platform/utf8_path.h"
#include "text/cp932.h"

namespace mirelon {

using namespace literals;

namespace {

// Bytes of the character that starts `text`: a broken sequence (a file name on Linux may hold any
// bytes) ends at the first byte that cannot continue it, so the text after it is still shown.
size_t Utf8CharacterLength(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text.front());
  const size_t expected = lead >= 0xF8 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  size_t length = 1;
  while (length < expected && length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
    ++length;
  }
  return length;
}

}  // namespace

std::string ReasonLine(FileError reason) {
  switch (reason) {
    case FileError::NoPermission: return "\r\nアクセスが拒否されました"_sjis;
    case FileError::ReadOnlyDisk: return "\r\n読み取り専用のディスクです"_sjis;
    case FileError::NoSpace: return "\r\nディスクの空き容量が足りません"_sjis;
    case FileError::TooLarge: return "\r\nファイルが大きすぎます"_sjis;
    case FileError::ReadFailed: return "\r\nディスクの読み取りに失敗しました"_sjis;
    case FileError::InUse: return "\r\nほかのプログラムがこのファイルを開いています"_sjis;
    case FileError::None:
    case FileError::Refused:
    case FileError::Failed: break;
  }
  return {};
}

namespace {

std::string FailureText(FileIoResult result) {
  switch (result) {
    case FileIoResult::OpenFailed: return "ファイルのオープンに失敗しました"_sjis;
    case FileIoResult::FolderNotWritable: return "このフォルダには書き込めません"_sjis;
    case FileIoResult::Busy: return "ほかのウィンドウかプログラムがこの住所録を使っています\r\nしばらくしてからもう一度操作してください"_sjis;
    case FileIoResult::Deferred: return "保存が途中で止まりました\r\n次にこの住所録を読み込むときに保存が完了します"_sjis;
    case FileIoResult::IoFailed:
    case FileIoResult::Done: break;
  }
  return "ファイルが壊れています"_sjis;
}

void ReportFileFailure(const AddressBook& book, const std::filesystem::path& path, FileIoResult result,
                       FileError reason = FileError::None) {
  const std::filesystem::path shown = result == FileIoResult::FolderNotWritable ? path.parent_path() : path;
  book.Prompt().Message(PathText(shown) + "\r\n" + FailureText(result) + ReasonLine(reason));
}

// The largest file read as a book. A book of 1000 records at every field's byte limit, each field
// made twice as long by quoting, and histories over every year the header allows, makes files of
// under 6 MB: the bound leaves room for fields longer than the editor lets the user type. Files
// read within it can still grow past it (an export joins three files, a year added to every
// history), so a save that would write more is refused: the program never writes a book file it
// would then refuse to read.
constexpr size_t kMaxBookFileSize = 16 * 1024 * 1024;

// Refuses, before anything is written, a file the read bound would refuse.
bool FitsReadBound(const AddressBook& book, const std::filesystem::path& path, std::string_view text) {
  if (text.size() <= kMaxBookFileSize) return true;
  book.Prompt().Message(PathText(path) + "\r\n読み込める大きさ (16MB) を超えるので書き込みませんでした"_sjis);
  return false;
}

FamilySave SaveOutcomeOf(FileIoResult result) {
  switch (result) {
    case FileIoResult::Done: return FamilySave::Saved;
    case FileIoResult::Deferred: return FamilySave::Deferred;
    case FileIoResult::FolderNotWritable: return FamilySave::FolderNotWritable;
    case FileIoResult::Busy: return FamilySave::Busy;
    case FileIoResult::OpenFailed:
    case FileIoResult::IoFailed: break;
  }
  return FamilySave::Failed;
}

constexpr std::array<BookFileKind, 3> kFamilyKinds = {BookFileKind::SendFile, BookFileKind::NoSendFile,
                                                      BookFileKind::HistoryFile};

std::array<std::filesystem::path, 3> FamilyPaths(const AddressBook& book) {
  std::array<std::filesystem::path, 3> paths;
  for (size_t i = 0; i < paths.size(); ++i) paths[i] = FamilyPath(book.file, kFamilyKinds[i]);
  return paths;
}

// Asked once for a family: `answer` carries the first answer on to its other files.
bool ReadsAsUtf8(const AddressBook& book, const std::filesystem::path& path, Utf8Files& answer) {
  if (answer == Utf8Files::Ask) {
    const bool read = book.Prompt().Show(
        PathText(path) + "\r\nUTF-8で書かれたファイルです\r\nUTF-8として読み込みますか？"_sjis, PromptButtons::YesNo);
    answer = read ? Utf8Files::Read : Utf8Files::Refuse;
  }
  return answer == Utf8Files::Read;
}

void ReportBadName(const AddressBook& book) { book.Prompt().Message("ファイル名が不正です"_sjis); }

// What was read before a read error, without the line it broke off in.
std::string_view CompleteLines(std::string_view content) {
  const size_t lastLineEnd = content.rfind('\n');
  return lastLineEnd == std::string_view::npos ? std::string_view() : content.substr(0, lastLineEnd + 1);
}

// The files of the family read in order, the family's lock held; messages that repeat come as
// one list.
bool LoadFile(AddressBook& book, BookFileKind kind, Utf8Files& utf8Answer);

bool LoadFamilyFilesHeld(AddressBook& book) {
  UserPrompt& prompt = book.Prompt();
  bool complete = true;
  {
    GroupingPrompt grouped(prompt);
    book.SetPrompt(&grouped);
    // One UTF-8 question for the whole family.
    Utf8Files answer = book.utf8Files;
    if (book.file.importExists) {
      complete = LoadFile(book, BookFileKind::ImportFile, answer);
    } else {
      if (book.file.sendExists) complete = LoadFile(book, BookFileKind::SendFile, answer) && complete;
      if (book.file.noSendExists) complete = LoadFile(book, BookFileKind::NoSendFile, answer) && complete;
      if (book.file.historyExists) complete = LoadFile(book, BookFileKind::HistoryFile, answer) && complete;
    }
    book.SetPrompt(&prompt);
  }
  return complete;
}

// Whether a file the program did not write is in the way: a Shift-JIS book (or no file) may be
// replaced; anything else (UTF-8 text, a program, binary data) only when the user agrees.
bool IsBookFileOrMissing(const std::filesystem::path& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) return true;
  constexpr auto kExecutable =
      std::filesystem::perms::owner_exec | std::filesystem::perms::group_exec | std::filesystem::perms::others_exec;
  if ((status.permissions() & kExecutable) != std::filesystem::perms::none) return false;
  std::string content;
  if (ReadWholeFile(path, kMaxBookFileSize, content) != FileIoResult::Done) return false;
  const BookBytes bytes = ExamineBookBytes(content);
  return bytes.cp932 && !bytes.utf8;
}

bool ConfirmReplacingOthers(const AddressBook& book) {
  for (const std::filesystem::path& path : FamilyPaths(book)) {
    if (IsBookFileOrMissing(path)) continue;
    if (!book.Prompt().ConfirmLoss(PathText(path) + "\r\nは住所録のファイルではありません\r\n置き換えますか？"_sjis)) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string PathText(const std::filesystem::path& path) {
  const std::string utf8Path = PathToUtf8(path);
  std::string_view rest(utf8Path);
  std::string text;
  for (;;) {
    const Cp932Encoded encoded = Utf8ToCp932(rest);
    if (encoded.ok()) return text + encoded.bytes;
    text += Utf8ToCp932(rest.substr(0, encoded.firstUnmappable)).bytes + "?";
    rest.remove_prefix(encoded.firstUnmappable + Utf8CharacterLength(rest.substr(encoded.firstUnmappable)));
  }
}

namespace {

// One folder may be named two ways (through a link, with "./"); the file names are compared as they are.
bool SameFamily(const BookFileIdentity& a, const BookFileIdentity& b) {
  if (a.baseName != b.baseName || a.extension != b.extension) return false;
  std::error_code error;
  return a.directory == b.directory || std::filesystem::equivalent(a.directory, b.directory, error);
}

// Reads the file of `kind` into the book. False when the file could not be opened or read
// ("%s\r\nファイルのオープンに失敗しました" also for a folder, FIFO or device, or a file far larger
// than a book; "%s\r\nファイルが壊れています" also for a file that is not Shift-JIS text; records
// read before a read error stay) or when the full book had to drop records. A file in UTF-8 is
// read after the question (asked once for the family: `utf8Answer` carries the answer), converted
// to CP932, and leaves the book modified; one with a character CP932 cannot hold is refused
// naming its line and field.
bool LoadFile(AddressBook& book, BookFileKind kind, Utf8Files& utf8Answer) {
  const std::filesystem::path path = FamilyPath(book.file, kind);
  std::string content;
  FileError reason = FileError::None;
  FileIoResult result = ReadWholeFile(path, kMaxBookFileSize, content, &reason);
  if (result == FileIoResult::OpenFailed) {
    ReportFileFailure(book, path, result, reason);
    return false;
  }
  const BookBytes bytes = ExamineBookBytes(content);
  bool converted = false;
  if (bytes.utf8 && ReadsAsUtf8(book, path, utf8Answer)) {
    Utf8BookText text = ConvertUtf8Book(content);
    if (!text.ok) {
      book.Prompt().Message(PathText(path) + "\r\n" + std::to_string(text.line) + "行目の"_sjis +
                            std::to_string(text.field) + "番目の項目にシフトJISで表せない文字があります"_sjis);
      return false;
    }
    content = std::move(text.cp932);
    converted = true;
  } else if (!bytes.cp932) {
    ReportFileFailure(book, path, FileIoResult::IoFailed);
    return false;
  }
  int dropped = 0;
  try {
    dropped = book.Read(kind, result == FileIoResult::Done ? std::string_view(content) : CompleteLines(content));
  } catch (const std::exception&) {
    result = FileIoResult::IoFailed;
  }
  // The file on disk is not yet what a save writes.
  if (converted) book.modified = true;
  if (result != FileIoResult::Done) {
    ReportFileFailure(book, path, result, reason);
    return false;
  }
  return dropped == 0;
}

}  // namespace

bool SaveBookFile(AddressBook& book, BookFileKind kind) {
  const std::string text = book.Write(kind);
  const FileContent file{FamilyPath(book.file, kind), text};
  if (!FitsReadBound(book, file.path, text)) return false;
  const ReplaceOutcome outcome = ReplaceFiles(std::span(&file, 1));
  if (outcome.result != FileIoResult::Done) {
    ReportFileFailure(book, file.path, outcome.result, outcome.reason);
    return false;
  }
  if (kind != BookFileKind::ImportFile) book.modified = false;
  return true;
}

FamilyRead ReadBookFamily(AddressBook& book, const std::filesystem::path& chosen) {
  const BookFileIdentity previous = book.file;
  const bool bookPath = IsBookPath(chosen);
  if (bookPath) book.SetFileName(chosen);
  // The lock of a name that is no book's guards nothing: that name is refused below.
  const FamilyLock lock(bookPath ? FamilyPaths(book).front() : chosen);
  if (lock.busy()) {
    book.file = previous;
    ReportFileFailure(book, chosen, FileIoResult::Busy);
    return FamilyRead::Busy;
  }
  // A save killed after its commit is completed before anything is looked at.
  if (bookPath) FinishInterruptedReplace(lock, FamilyPaths(book));
  if (!book.SetFileName(chosen)) {
    ReportBadName(book);
    return FamilyRead::NameRefused;
  }
  if (book.file.importExists && !book.Prompt().Show("インポートします"_sjis, PromptButtons::OkCancel)) {
    // The records are still the old book's: they must stay bound to its files, or the next save
    // would write them over the family of the import file that was declined.
    book.file = previous;
    return FamilyRead::ImportCancelled;
  }
  book.ResetForRead();
  return LoadFamilyFilesHeld(book) ? FamilyRead::Read : FamilyRead::Incomplete;
}

bool LoadBookFamilyFiles(AddressBook& book) {
  const std::array<std::filesystem::path, 3> family = FamilyPaths(book);
  const FamilyLock lock(family.front());
  if (lock.busy()) {
    ReportFileFailure(book, family.front(), FileIoResult::Busy);
    return false;
  }
  FinishInterruptedReplace(lock, family);
  return LoadFamilyFilesHeld(book);
}

SaveResult WriteBookFamily(AddressBook& book) {
  if (!book.unreadNames.empty() &&
      !book.Prompt().Show(std::to_string(book.unreadNames.size()) +
                              "件のデータが読み込めていません。上書きすると失われます"_sjis,
                          PromptButtons::OkCancelDefaultCancel)) {
    return {FamilySave::Declined};
  }
  const std::array<std::filesystem::path, 3> paths = FamilyPaths(book);
  std::array<std::string, 3> texts;
  std::array<FileContent, 3> files;
  for (size_t i = 0; i < paths.size(); ++i) {
    texts[i] = book.Write(kFamilyKinds[i]);
    files[i] = {paths[i], texts[i]};
    if (!FitsReadBound(book, paths[i], texts[i])) return {FamilySave::Failed};
  }
  const ReplaceOutcome outcome = ReplaceFiles(files);
  if (outcome.result != FileIoResult::Done) ReportFileFailure(book, paths[outcome.failed], outcome.result, outcome.reason);
  const SaveResult result{SaveOutcomeOf(outcome.result)};
  // A deferred save is the book's content, committed: it is completed before anything reads it.
  if (result) {
    book.modified = false;
    book.unreadNames.clear();  // the files no longer hold them
  }
  return result;
}

SaveResult SaveBookFamilyAs(AddressBook& book, const std::filesystem::path& chosen) {
  if (!IsBookPath(chosen)) {
    ReportBadName(book);
    return {FamilySave::Declined};
  }
  const BookFileIdentity previous = book.file;
  const std::vector<std::string> unread = book.unreadNames;
  book.SetFileName(chosen);
  // Records left unread stay in the files of the family they were not read from.
  if (!SameFamily(previous, book.file)) book.unreadNames.clear();
  SaveResult written{FamilySave::Declined};
  if (ConfirmReplacingOthers(book)) written = WriteBookFamily(book);
  if (!written) {
    // The book stays bound to the files it was bound to.
    book.file = previous;
    book.unreadNames = unread;
    return written;
  }
  book.SetFileName(chosen);
  return written;
}

}  // namespace mirelon
