#include "book/book_files.h"

#include <exception>

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

bool LoadBookFile(AddressBook& book, BookFileKind kind) {
  book.fileKind = kind;
  const std::filesystem::path path = book.FilePathForKind();
  std::string content;
  FileIoResult result = ReadWholeFile(path, content);
  if (result == FileIoResult::OpenFailed) {
    ReportFileFailure(book, path, result);
    return false;
  }
  int dropped = 0;
  try {
    dropped = book.Read(result == FileIoResult::Done ? std::string_view(content) : CompleteLines(content));
  } catch (const std::exception&) {
    result = FileIoResult::IoFailed;
  }
  if (result != FileIoResult::Done) {
    ReportFileFailure(book, path, result);
    return false;
  }
  return dropped == 0;
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
  bool complete = true;
  if (book.file.sendExists) complete = LoadBookFile(book, BookFileKind::SendFile) && complete;
  if (book.file.noSendExists) complete = LoadBookFile(book, BookFileKind::NoSendFile) && complete;
  if (book.file.historyExists) complete = LoadBookFile(book, BookFileKind::HistoryFile) && complete;
  return complete;
}

bool WriteBookFamily(AddressBook& book) {
  const bool wasModified = book.modified;
  bool written = true;
  for (const BookFileKind kind : {BookFileKind::SendFile, BookFileKind::NoSendFile, BookFileKind::HistoryFile}) {
    written = SaveBookFile(book, kind) && written;
  }
  if (!written) book.modified = wasModified;
  return written;
}

bool SaveBookFamilyAs(AddressBook& book, const std::filesystem::path& chosen) {
  if (!IsBookPath(chosen)) {
    ReportBadName(book);
    return false;
  }
  book.SetFileName(chosen);
  const bool written = WriteBookFamily(book);
  book.SetFileName(chosen);
  return written;
}

}  // namespace mirelon
