#include "postal/wide_data_file.h"


#include "postal/wide_conversion.h"

namespace mirelon {

namespace {
constexpr char16_t kByteOrderMark = 0xFEFF;
}

std::u16string DecodeWideFile(std::string_view bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  }
  if (!units.empty() && units.front() == kByteOrderMark) units.erase(0, 1);
  return units;
}

bool WideLineReader::ReadWideLine(std::u16string_view& line) {
  if (pos_ >= units_.size()) return false;
  const std::u16string_view rest = std::u16string_view(units_).substr(pos_, kMaxLineUnits);
  const size_t end = rest.find(u'\n');
  line = rest.substr(0, end);
  pos_ += end == std::u16string_view::npos ? rest.size() : end + 1;
  return true;
}

size_t ReadWideCsvField(std::u16string_view line, size_t pos, WideText& out) {
  out.Empty();
  const auto unitAt = [line](size_t at) -> char16_t { return at < line.size() ? line[at] : u'\0'; };
  const auto endsField = [](char16_t unit) { return unit == u'\0' || unit == u'\r' || unit == u'\n'; };
  bool quoted = unitAt(pos) == u'"';
  if (quoted) ++pos;
  for (char16_t unit = unitAt(pos); !endsField(unit); unit = unitAt(pos)) {
    if (unit == u',' && !quoted) return pos + 1;
    if (unit == u'"' && quoted) {
      const char16_t next = unitAt(pos + 1);
      if (next == u',') return pos + 2;
      if (next == u'"') {
        out.Append(u'"');
        pos += 2;
      } else {
        quoted = false;  // a stray closing quote: the rest is read plainly
        ++pos;
      }
      continue;
    }
    out.Append(TableFormOf(unit));
    ++pos;
  }
  return pos;
}

}  // namespace mirelon
