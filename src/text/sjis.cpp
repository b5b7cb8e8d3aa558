#include "text/sjis.h"

#include <algorithm>
#include <array>

namespace mirelon {

namespace {

// Bytes a character takes, by its first byte: the list table walks every shown field with it.
constexpr std::array<unsigned char, 256> kCharSteps = [] {
  std::array<unsigned char, 256> steps{};
  for (int byte = 0; byte < 256; ++byte) steps[static_cast<size_t>(byte)] = IsLeadByte(static_cast<unsigned char>(byte)) ? 2 : 1;
  return steps;
}();

}  // namespace

size_t HalfWidthPrefix(std::string_view text, int width) {
  const size_t limit = static_cast<size_t>(width < 0 ? 0 : width);
  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  if (limit < text.size()) {
    // Only the character at the cut matters. Every byte outside the lead range ends a character,
    // so the bytes between the last such byte and the cut pair up from there: an odd run means a
    // double-byte character straddles the cut, and it is dropped whole. This looks at a few bytes
    // instead of walking the text, which the list table does for every shown field.
    size_t runStart = limit;
    while (runStart > 0 && IsLeadByte(bytes[runStart - 1])) --runStart;
    return (limit - runStart) % 2 == 0 ? limit : limit - 1;
  }
  size_t count = 0;  // a lead byte at the very end still counts 2
  while (count < text.size()) count += kCharSteps[bytes[count]];
  return count == limit + 1 ? limit - 1 : text.size();
}

void FitToHalfWidth(std::string& text, int width, bool pad) {
  text.resize(HalfWidthPrefix(text, width));
  const size_t limit = static_cast<size_t>(width < 0 ? 0 : width);
  if (pad && text.size() < limit) text.append(limit - text.size(), ' ');
}

std::string_view TrimmedBlanks(std::string_view text) {
  // Walk whole characters so that a trail byte 0x81 followed by '@' is never taken for a blank.
  size_t begin = std::string_view::npos;
  size_t end = 0;
  for (size_t i = 0; i < text.size();) {
    const size_t step = IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
    const std::string_view ch = text.substr(i, step);
    if (ch != " " && ch != kFullWidthSpace) {
      if (begin == std::string_view::npos) begin = i;
      end = i + step;
    }
    i += step;
  }
  if (begin == std::string_view::npos) return {};
  return text.substr(begin, end - begin);
}

std::string TrimBlanks(std::string_view text) { return std::string(TrimmedBlanks(text)); }

}  // namespace mirelon
