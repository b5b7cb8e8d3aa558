// Reading the sibling program's UTF-16 (little-endian) postal files: lines and fields of 16-bit units.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "postal/wide_text.h"

namespace mirelon {

// A UTF-16 little-endian file as units, or nothing when it cannot be read or is not UTF-16LE text
// (big-endian, or shifted by a byte); a trailing odd byte is dropped.
std::optional<std::u16string> ReadWideFile(const std::filesystem::path& path);

inline constexpr char16_t kByteOrderMark = 0xFEFF;
// How much of the start of a file tells its byte order.
inline constexpr size_t kEndianSampleUnits = 64 * 1024;

// Whether units read as little-endian look like text read in the right order (judged on the first
// kEndianSampleUnits).
bool IsLittleEndianText(std::u16string_view units);

class WideLineReader {
 public:
  static constexpr size_t kMaxLineUnits = 2047;

  // A byte-order mark at the start is skipped: it would hide the first row from every search.
  explicit WideLineReader(std::u16string units);
  // The next line up to LF (not stored; a CR before it stays in the line), at most kMaxLineUnits
  // units, the rest of a longer line coming as the next line. False only when the file ends before
  // the first unit of a line.
  bool ReadWideLine(std::u16string_view& line);

 private:
  std::u16string units_;
  size_t pos_ = 0;
};

// The field at `pos` under the quoting rules of the CSV files (quotes doubled inside a quoted
// field, CR or LF or the end ending it); returns the position after it. Characters with two
// Unicode forms are read in the conversion table's form (TableFormOf).
size_t ReadWideCsvField(std::u16string_view line, size_t pos, WideText& out);

}  // namespace mirelon
