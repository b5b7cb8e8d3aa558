#include "postal/wide_data_file.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "postal/postal_files.h"
#include "postal/wide_conversion.h"

namespace mirelon {

// Quotes, commas, digits and line ends are a large part of the data. Read in the wrong byte order,
// or one byte off, they come out with their bytes swapped (a quote as 0x2200), and ASCII units all
// but vanish; CJK characters ending in a zero byte are far rarer than ASCII in real data.
bool IsLittleEndianText(std::u16string_view units) {
  size_t ascii = 0;
  size_t swapped = 0;
  for (const char16_t unit : units.substr(0, kEndianSampleUnits)) {
    if (unit > 0 && unit < 0x80) ++ascii;
    if ((unit & 0xFF) == 0 && unit >= 0x0100 && unit < 0x8000) ++swapped;
  }
  return ascii >= swapped && (units.empty() || units.front() != 0xFFFE);
}

std::optional<std::u16string> ReadWideFile(const std::filesystem::path& path) {
  std::optional<std::u16string> units = ReadFileAs<char16_t>(path);
  if (units && std::endian::native == std::endian::big) {
    for (char16_t& unit : *units) unit = static_cast<char16_t>(unit << 8 | unit >> 8);
  }
  if (units && !IsLittleEndianText(*units)) return std::nullopt;
  return units;
}

WideLineReader::WideLineReader(std::u16string units) : units_(std::move(units)) {
  if (!units_.empty() && units_.front() == kByteOrderMark) pos_ = 1;
}

bool WideLineReader::ReadWideLine(std::u16string_view& line) {
  if (pos_ >= units_.size()) return false;
  const size_t limit = std::min(kMaxLineUnits, units_.size() - pos_);
  // memchr finds the byte 0x0A fast; it is a line feed when its whole unit is one.
  const char* bytes = reinterpret_cast<const char*>(units_.data() + pos_);
  size_t end = limit;
  for (size_t from = 0; from < 2 * limit;) {
    const void* hit = std::memchr(bytes + from, '\n', 2 * limit - from);
    if (!hit) break;
    const size_t offset = static_cast<size_t>(static_cast<const char*>(hit) - bytes);
    if (units_[pos_ + offset / 2] == u'\n') {
      end = offset / 2;
      break;
    }
    from = offset + 1;
  }
  line = std::u16string_view(units_).substr(pos_, end);
  pos_ += end < limit ? end + 1 : limit;
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
