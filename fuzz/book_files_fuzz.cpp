// The book's file readers from memory, each input as each of the four kinds: what a read book writes reads
// back to the same text; and the checks that tell a book from UTF-8 or from no text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "book/address_book.h"
#include "book/book_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace mirelon;
  std::string content(reinterpret_cast<const char*>(data), size);
  const BookBytes bytes = ExamineBookBytes(content);
  if (bytes.utf8) {
    Utf8BookText converted = ConvertUtf8Book(content);
    if (converted.ok) content = std::move(converted.cp932);
  }
  for (const BookFileKind kind : {BookFileKind::SendFile, BookFileKind::NoSendFile, BookFileKind::HistoryFile,
                                  BookFileKind::ImportFile}) {
    AddressBook book;
    book.Read(kind, content);
    const std::string written = book.Write(kind);
    AddressBook again;
    again.Read(kind, written);
    if (again.Write(kind) != written) std::abort();
  }
  return 0;
}
