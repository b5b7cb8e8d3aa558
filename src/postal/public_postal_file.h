// The public postal-code list as the postal service publishes it, turned into the rows of the
// sibling program's UTF-16 data files, so that a user without the sibling program can still search.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace mirelon {

enum class PublicPostalKind {
  Address,   // one row per code and town area (the Shift-JIS file, or the UTF-8 one row per line)
  Business,  // one row per business with a code of its own (Shift-JIS)
};

enum class PublicPostalFault {
  None,
  NotPostalRow,  // a row without the code, or the prefecture, where the layout has them
  Unreadable,    // bytes that are no character of the file's encoding
  NoRows,        // nothing but blank lines
  CutLastLine,   // the last line has no line end: the file was cut (a broken download or copy)
};

struct PublicPostalConversion {
  std::string wideBytes;  // the sibling's file: UTF-16LE, no byte-order mark, CR LF, fields quoted
  size_t rows = 0;        // rows written (a row continued over several lines counts once)
  PublicPostalFault fault = PublicPostalFault::None;
  size_t faultLine = 0;   // 1-based line of the file where the fault was found
  bool ok() const { return fault == PublicPostalFault::None; }
};

// Called now and then with the lines read so far.
using PublicPostalProgress = std::function<void(size_t linesRead)>;

// Converts a whole public file. The encoding is recognised by the bytes: a byte-order mark or
// well-formed UTF-8 with non-ASCII text is UTF-8, anything else is Shift-JIS. The fields the
// lookup reads are written as published, in file order: the code, prefecture, city and town area
// of an address row, whose town area may continue on the following lines of the same code while a
// "（" stays open; the code, name, prefecture, city, town area and detail of a business row. On a
// fault nothing is converted.
PublicPostalConversion ConvertPublicPostalFile(std::string_view bytes, PublicPostalKind kind,
                                               const PublicPostalProgress& progress);

}  // namespace mirelon
