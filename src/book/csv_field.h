// One field of a comma-separated line, shared by the book's files and the postal data files.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mirelon {

// Writes one field: CRs dropped, LF as backslash-n, quotes doubled, quoted only when needed, a
// lead byte without its second byte dropped. What is written reads back as the same field.
std::string QuoteCsvField(std::string_view text);
// The same, appended to `out`.
void AppendCsvField(std::string& out, std::string_view text);

// Reads the field starting at `pos` of `line` into `out` and returns the position after it.
// A lead byte always takes its second byte with it, so a comma or quote inside a double-byte
// character never separates; one without a second byte (at the line end) is dropped. The line
// ends at its first NUL, CR or LF: the field ending there returns line.size(), and every call from
// the end yields an empty field.
size_t ReadCsvField(std::string_view line, size_t pos, std::string& out);
// The same, with backslash-n read back as CR LF (memos and notes).
size_t ReadCsvTextField(std::string_view line, size_t pos, std::string& out);

}  // namespace mirelon
