// Book files for the GUI tests of the file flows: a fresh folder per test, and CP932 contents
// written from UTF-8 lines.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "support/temp_folder.h"
#include "text/cp932.h"

namespace mirelon::test {

// UTF-8 lines as the bytes of a CP932 file with CR LF after each line.
inline std::string Cp932Lines(std::initializer_list<std::string_view> lines) {
  std::string bytes;
  for (std::string_view line : lines) bytes += Sjis(line) + "\r\n";
  return bytes;
}

}  // namespace mirelon::test
