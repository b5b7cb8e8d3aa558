// The CP932 codec: Windows' code page 932 in both directions, character by character.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace mirelon {

// Bytes that decode to nothing become U+FFFD, one per undecodable byte (or pair, when a valid
// lead byte is followed by an unassigned trail byte); the rest of the text decodes normally.
std::u16string Cp932ToUtf16(std::string_view sjis);
std::string Cp932ToUtf8(std::string_view sjis);

// Encoding result: `bytes` holds every character that CP932 can hold (a character with two codes
// gets the one Windows writes); `firstUnmappable` is the index (in the input's code units for
// UTF-16, bytes for UTF-8) of the first character that it cannot hold, or npos.
struct Cp932Encoded {
  std::string bytes;
  size_t firstUnmappable = std::string::npos;
  bool ok() const { return firstUnmappable == std::string::npos; }
};
Cp932Encoded Utf16ToCp932(std::u16string_view text);
Cp932Encoded Utf8ToCp932(std::string_view utf8);

// Every byte belongs to a well-formed UTF-8 character (ASCII alone is valid).
bool IsValidUtf8(std::string_view text);

// A CP932 constant from its UTF-8 spelling in the source; throws std::invalid_argument when the
// text holds a character CP932 cannot hold (a programming error).
std::string Sjis(std::string_view utf8);

namespace literals {
inline std::string operator""_sjis(const char* utf8, size_t size) { return Sjis(std::string_view(utf8, size)); }
}  // namespace literals

}  // namespace mirelon
