#include "tool/tool_book.h"

#include "book/book_files.h"
#include "book/history_merge.h"

namespace mirelon::tool {

bool ReadToolBook(AddressBook& book, const std::filesystem::path& path, ToolOutput& out) {
  book.SetPrompt(&out);
  book.utf8Files = out.readsUtf8Books() ? Utf8Files::Read : Utf8Files::Refuse;
  if (ReadBookFamily(book, path) != FamilyRead::Read) return false;
  NameUnjoinedHistories(book);
  return true;
}

}  // namespace mirelon::tool
