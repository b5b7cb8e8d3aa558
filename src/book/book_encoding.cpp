#include "book/book_encoding.h"

#include <algorithm>

#include "text/cp932.h"

namespace mirelon {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Undecodable characters kept in a Shift-JIS book. Measured: the national postal data (5.3 MB and
// 1.9 MB) and every book fixture have none; a lone lead byte where a file was cut makes one; UTF-8
// Japanese read as CP932 has about 5 in 100 characters undecodable, and binary files (programs,
// images) about 8 in 100. So a file is a Shift-JIS book while at most kKeptUndecodable of its
// characters, or at most 1 in kUndecodableRatio, are undecodable.
constexpr size_t kKeptUndecodable = 4;
constexpr size_t kUndecodableRatio = 100;

bool IsCp932Book(std::string_view bytes) {
  const size_t undecodable = CountUndecodable(bytes);
  if (undecodable <= kKeptUndecodable) return true;
  return undecodable * kUndecodableRatio <= Cp932ToUtf16(bytes).size();
}

}  // namespace

BookBytes ExamineBookBytes(std::string_view bytes) {
  // No text file of the program holds a NUL byte, and the line reader would stop at one.
  if (bytes.find('\0') != std::string_view::npos) return {};
  if (bytes.starts_with(kUtf8ByteOrderMark)) return {false, IsValidUtf8(bytes)};
  // Not one line of the national data with a byte beyond ASCII is valid UTF-8, so UTF-8 beyond
  // ASCII is taken for UTF-8; such a file may still be read as CP932 when it decodes cleanly.
  const bool beyondAscii = std::any_of(bytes.begin(), bytes.end(), [](char c) { return c & 0x80; });
  return {IsCp932Book(bytes), beyondAscii && IsValidUtf8(bytes)};
}

Utf8BookText ConvertUtf8Book(std::string_view utf8) {
  if (utf8.starts_with(kUtf8ByteOrderMark)) utf8.remove_prefix(kUtf8ByteOrderMark.size());
  Cp932Encoded encoded = Utf8ToCp932(utf8);
  Utf8BookText result;
  if (encoded.ok()) {
    result.cp932 = std::move(encoded.bytes);
    result.ok = true;
    return result;
  }
  // Lines end at LF, CR LF or a bare CR; fields at commas outside quotes (UTF-8 needs no lead
  // byte rule: no byte of a character beyond ASCII is a comma or quote).
  result.line = 1;
  result.field = 1;
  bool quoted = false;
  for (size_t i = 0; i < encoded.firstUnmappable; ++i) {
    const char byte = utf8[i];
    if (byte == '\n' || (byte == '\r' && (i + 1 >= utf8.size() || utf8[i + 1] != '\n'))) {
      ++result.line;
      result.field = 1;
      quoted = false;
    } else if (byte == '"') {
      quoted = !quoted;
    } else if (byte == ',' && !quoted) {
      ++result.field;
    }
  }
  return result;
}

}  // namespace mirelon
