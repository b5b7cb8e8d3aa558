#include "book/book_files.h"

#include <array>
#include <exception>
#include <system_error>

#include "book/book_encoding.h"
#include "book/safe_file.h"
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

void ReportFileFailure(const AddressBook& book, const std::filesystem::path& path, FileIoResult result) {
  const std::string reason =
      result == FileIoResult::OpenFailed ? "ファイルのオープンに失敗しました"_sjis : "ファイルが壊れています"_sjis;
  book.Prompt().Message(PathText(path) + "\r\n" + reason);
}

// The largest file read as a book: a book of 1000 records is well under 2 MB.
constexpr size_t kMaxBookFileSize = 16 * 1024 * 1024;

constexpr std::array<BookFileKind, 3> kFamilyKinds = {BookFileKind::SendFile, BookFileKind::NoSendFile,
                                                      BookFileKind::HistoryFile};

std::array<std::filesystem::path, 3> FamilyPaths(const AddressBook& book) {
  std::array<std::filesystem::path, 3> paths;
  for (size_t i = 0; i < paths.size(); ++i) paths[i] = book.FilePathFor(kFamilyKinds[i]);
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

}  // namespace

std::string PathText(const std::filesystem::path& path) {
  const std::u8string utf8Path = path.u8string();
  std::string_view rest(reinterpret_cast<const char*>(utf8Path.data()), utf8Path.size());
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

bool LoadFile(AddressBook& book, BookFileKind kind, Utf8Files& utf8Answer) {
  book.fileKind = kind;
  const std::filesystem::path path = book.FilePathForKind();
  std::string content;
  FileIoResult result = ReadWholeFile(path, kMaxBookFileSize, content);
  if (result == FileIoResult::OpenFailed) {
    ReportFileFailure(book, path, result);
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
    dropped = book.Read(result == FileIoResult::Done ? std::string_view(content) : CompleteLines(content));
  } catch (const std::exception&) {
    result = FileIoResult::IoFailed;
  }
  // The file on disk is not yet what a save writes.
  if (converted) book.modified = true;
  if (result != FileIoResult::Done) {
    ReportFileFailure(book, path, result);
    return false;
  }
  return dropped == 0;
}

}  // namespace

bool LoadBookFile(AddressBook& book, BookFileKind kind) {
  Utf8Files answer = book.utf8Files;
  return LoadFile(book, kind, answer);
}

bool SaveBookFile(AddressBook& book, BookFileKind kind) {
  book.fileKind = kind;
  const std::filesystem::path path = book.FilePathForKind();
  const FileIoResult result = ReplaceFile(path, book.Write());
  if (result != FileIoResult::Done) {
    ReportFileFailure(book, path, result);
    return false;
  }
  if (kind != BookFileKind::ImportFile) book.modified = false;
  return true;
}

FamilyRead ReadBookFamily(AddressBook& book, const std::filesystem::path& chosen) {
  const BookFileIdentity previous = book.file;
  if (IsBookPath(chosen)) {
    // A save killed after its commit is completed before anything is looked at.
    book.SetFileName(chosen);
    const std::array<std::filesystem::path, 3> family = FamilyPaths(book);
    FinishInterruptedReplace(family);
  }
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
  return LoadBookFamilyFiles(book) ? FamilyRead::Read : FamilyRead::Incomplete;
}

bool LoadBookFamilyFiles(AddressBook& book) {
  if (book.file.importExists) return LoadBookFile(book, BookFileKind::ImportFile);
  Utf8Files answer = book.utf8Files;
  bool complete = true;
  if (book.file.sendExists) complete = LoadFile(book, BookFileKind::SendFile, answer) && complete;
  if (book.file.noSendExists) complete = LoadFile(book, BookFileKind::NoSendFile, answer) && complete;
  if (book.file.historyExists) complete = LoadFile(book, BookFileKind::HistoryFile, answer) && complete;
  return complete;
}

bool WriteBookFamily(AddressBook& book) {
  if (!book.unreadNames.empty() &&
      !book.Prompt().Show(std::to_string(book.unreadNames.size()) +
                              "件のデータが読み込めていません。上書きすると失われます"_sjis,
                          PromptButtons::OkCancelDefaultCancel)) {
    return false;
  }
  const std::array<std::filesystem::path, 3> paths = FamilyPaths(book);
  std::array<std::string, 3> texts;
  std::array<FileContent, 3> files;
  for (size_t i = 0; i < paths.size(); ++i) {
    book.fileKind = kFamilyKinds[i];
    texts[i] = book.Write();
    files[i] = {paths[i], texts[i]};
  }
  const ReplaceOutcome outcome = ReplaceFiles(files);
  if (outcome.result != FileIoResult::Done) {
    ReportFileFailure(book, paths[outcome.failed], outcome.result);
    return false;
  }
  book.modified = false;
  book.unreadNames.clear();  // the files no longer hold them
  return true;
}

bool SaveBookFamilyAs(AddressBook& book, const std::filesystem::path& chosen) {
  if (!IsBookPath(chosen)) {
    ReportBadName(book);
    return false;
  }
  const BookFileIdentity previous = book.file;
  const std::vector<std::string> unread = book.unreadNames;
  book.SetFileName(chosen);
  // Records left unread stay in the files of the family they were not read from.
  if (!SameFamily(previous, book.file)) book.unreadNames.clear();
  if (!WriteBookFamily(book)) {
    // The book stays bound to the files it was bound to.
    book.file = previous;
    book.unreadNames = unread;
    return false;
  }
  book.SetFileName(chosen);
  return true;
}

}  // namespace mirelon
