#include "text/sjis.h"

namespace mirelon {

void FitToHalfWidth(std::string& text, int width, bool pad) {
  if (width < 0) width = 0;
  const size_t limit = static_cast<size_t>(width);
  size_t count = 0;
  bool lastWasDouble = false;
  for (size_t i = 0; i < text.size() && count < limit;) {
    lastWasDouble = IsLeadByte(text[i]);
    const size_t step = lastWasDouble ? 2 : 1;
    count += step;
    i += step;
  }
  if (count >= limit) {
    // A double-byte character that straddles the limit is dropped whole.
    const size_t keep = (lastWasDouble && count == limit + 1) ? limit - 1 : limit;
    if (text.size() > keep) text.resize(keep);
  }
  if (pad && text.size() < limit) text.append(limit - text.size(), ' ');
}

std::string TrimBlanks(std::string_view text) {
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
  return std::string(text.substr(begin, end - begin));
}

}  // namespace mirelon
