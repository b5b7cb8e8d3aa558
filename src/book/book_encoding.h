// Telling a Shift-JIS book from UTF-8 text and from a file that is no book at all, and reading a
// UTF-8 book into CP932.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mirelon {

struct BookBytes {
  bool cp932 = false;  // readable as a Shift-JIS book
  bool utf8 = false;   // UTF-8 text beyond ASCII, or with a byte-order mark
};

// What a file's bytes may be read as; neither means the file is not a book.
BookBytes ExamineBookBytes(std::string_view bytes);

struct Utf8BookText {
  std::string cp932;  // the text in CP932, when every character has a code there
  bool ok = false;
  // Where the first character without a CP932 code is: line and field, both from 1.
  size_t line = 0;
  size_t field = 0;
};

// The UTF-8 text of a book (byte-order mark dropped) in CP932.
Utf8BookText ConvertUtf8Book(std::string_view utf8);

}  // namespace mirelon
