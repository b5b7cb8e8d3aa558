// Shift-JIS byte-string helpers shared by every part of the program.
// Book text is held as CP932 bytes exactly as in the files; every length and width is in bytes.
#pragma once

#include <string>
#include <string_view>

namespace mirelon {

// A byte that begins a double-byte character; its second byte is never looked at on its own.
constexpr bool IsLeadByte(unsigned char byte) { return (byte >= 0x80 && byte <= 0x9F) || byte >= 0xE0; }
constexpr bool IsLeadByte(char byte) { return IsLeadByte(static_cast<unsigned char>(byte)); }

inline constexpr std::string_view kFullWidthSpace = "\x81\x40";

// How many leading bytes of `text` FitToHalfWidth keeps for `width`.
size_t HalfWidthPrefix(std::string_view text, int width);

// Cuts `text` to at most `width` bytes without splitting a double-byte character; with `pad`,
// fills with half-width spaces to exactly `width` bytes.
void FitToHalfWidth(std::string& text, int width, bool pad);

// Removes half-width and full-width spaces at both ends.
std::string TrimBlanks(std::string_view text);
// The same as a view into `text`.
std::string_view TrimmedBlanks(std::string_view text);

}  // namespace mirelon
