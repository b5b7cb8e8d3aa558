// Conversion between CP932 text and the UTF-16 of the sibling program's newer postal files, through
// the engine's 78 x 94 table (src/postal/wide_table.h).
#pragma once

#include <string>
#include <string_view>

namespace mirelon {

// Half-width katakana become U+FF61-U+FF9F, other single bytes stay as they are, and a double-byte
// code takes its table cell; a code outside the table's rows takes its CP932 character (IBM
// extensions, user-defined area), and a code neither knows becomes U+FF1F "？".
std::u16string SjisToWide(std::string_view sjis);

// ASCII and half-width katakana become single bytes; any other unit takes the code of the first
// table cell that holds it, else its CP932 code; a unit neither knows is dropped.
std::string WideToSjis(std::u16string_view units);

// The table's form of a character whose CP932 form differs from it (U+FF5E "～" becomes the wave
// dash U+301C, U+FF0D "－" becomes U+2212, and so on); other units are returned unchanged. Data
// files written with either form then compare alike with converted CP932 text.
char16_t TableFormOf(char16_t unit);

}  // namespace mirelon
