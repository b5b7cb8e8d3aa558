// Reading a book for a command exactly as the program's "ファイル読込" does.
#pragma once

#include <filesystem>

#include "book/address_book.h"
#include "tool/tool_output.h"

namespace mirelon::tool {

// Reads the book named by any member of its family (an "_imp" name imports, as if confirmed) with
// its messages going to `out`, then closes the merge at once: history lines that found no address
// data get the name "★★★★★". A file in UTF-8 is read only with --utf8. False when the read reported a failure (bad name, a file that could
// not be read, records dropped at the limit): a command then stops before writing anything.
bool ReadToolBook(AddressBook& book, const std::filesystem::path& path, ToolOutput& out);

}  // namespace mirelon::tool
