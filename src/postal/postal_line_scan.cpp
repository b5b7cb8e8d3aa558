#include "postal/postal_line_scan.h"

#include <algorithm>
#include <cstdint>
#include <experimental/simd>

#include "platform/file_system.h"
#include "postal/postal_files.h"
#include "postal/wide_data_file.h"

namespace mirelon {

namespace {

namespace stdx = std::experimental;

std::u16string UnitsOfLittleEndian(std::string_view bytes) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                     static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  }
  return units;
}

std::string LittleEndianBytes(std::u16string_view units) {
  std::string bytes;
  for (const char16_t unit : units) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

}  // namespace

KeyLineScan KeyLineScan::ForSjis(std::string_view key) { return KeyLineScan(std::string(key), {1, SIZE_MAX, true, {}}); }

KeyLineScan KeyLineScan::ForWide(std::u16string_view key) {
  static const std::string kLead = LittleEndianBytes(std::u16string_view(&kByteOrderMark, 1));
  return KeyLineScan(LittleEndianBytes(key), {2, WideLineReader::kMaxLineUnits, false, kLead});
}

void KeyLineScan::Take(std::string_view piece) {
  const size_t unit = cut_.unit;
  // A unit split between two pieces is completed first, so that the piece goes on at a unit.
  const size_t split = std::min((unit - pending_.size() % unit) % unit, piece.size());
  pending_.append(piece.substr(0, split));
  piece.remove_prefix(split);
  size_t last = piece.size() - piece.size() % unit;  // after the last line feed
  while (last > 0 && !IsLineFeed(piece, last - unit)) last -= unit;
  if (last == 0) {
    pending_.append(piece);
    return;
  }
  size_t start = 0;
  if (!pending_.empty()) {
    while (!IsLineFeed(piece, start)) start += unit;
    start += unit;
    pending_.append(piece.substr(0, start));
    Scan(pending_);
    pending_.clear();
  }
  Scan(piece.substr(start, last - start));
  pending_.assign(piece.substr(last));
}

std::vector<std::string> KeyLineScan::Finish() {
  pending_.resize(pending_.size() - pending_.size() % cut_.unit);
  Scan(pending_);
  return std::move(lines_);
}

bool KeyLineScan::IsLineFeed(std::string_view bytes, size_t at) const {
  return bytes[at] == '\n' && (cut_.unit == 1 || bytes[at + 1] == '\0');
}

// The next place of the key from `from`. Places are first sifted a lane of bytes at a time on two
// bytes of the key, its first and the low byte of its last unit: in text that is mostly digits
// and quotes, a search on one byte (memchr, a library find) stops at almost every line.
size_t KeyLineScan::FindKey(std::string_view block, size_t from) const {
  using Lanes = stdx::fixed_size_simd<unsigned char, 32>;
  const size_t size = key_.size();
  if (size == 0) return from <= block.size() ? from : std::string_view::npos;
  const size_t second = size - std::min(cut_.unit, size);
  const Lanes first(static_cast<unsigned char>(key_[0]));
  const Lanes other(static_cast<unsigned char>(key_[second]));
  const auto* bytes = reinterpret_cast<const unsigned char*>(block.data());
  size_t at = from;
  for (; at + second + Lanes::size() <= block.size(); at += Lanes::size()) {
    const auto sifted = Lanes(bytes + at, stdx::element_aligned) == first &&
                        Lanes(bytes + at + second, stdx::element_aligned) == other;
    if (!stdx::any_of(sifted)) continue;
    for (int lane = stdx::find_first_set(sifted); lane <= stdx::find_last_set(sifted); ++lane) {
      if (sifted[lane] && block.substr(at + lane, size) == key_) return at + lane;
    }
  }
  for (; at + size <= block.size(); ++at) {
    if (block.substr(at, size) == key_) return at;
  }
  return std::string_view::npos;
}

// `block` starts at the start of a line and ends after a line feed or at the end of the file.
void KeyLineScan::Scan(std::string_view block) {
  size_t base = 0;
  if (first_ && block.substr(0, cut_.lead.size()) == cut_.lead) base = cut_.lead.size();
  first_ = false;
  const size_t unit = cut_.unit;
  if (block.size() < base + unit) return;
  size_t lineStart = base;  // of the line as the file has it, which a reader may cut in parts
  size_t searched = base;   // no line feed before here is later than lineStart
  for (size_t at = FindKey(block, base + unit); at != std::string_view::npos; at = FindKey(block, at + 1)) {
    if (at % unit != 0) continue;
    const size_t start = at - unit;
    for (size_t back = start; back > searched;) {
      back -= unit;
      if (IsLineFeed(block, back)) {
        lineStart = back + unit;
        break;
      }
    }
    searched = start;
    if ((start - lineStart) / unit % cut_.maxUnits != 0) continue;
    // A reader's cut may fall inside the key, or leave an empty line before a line feed.
    std::string line = CutLine(block, start);
    if (line.size() >= unit + key_.size() && line.compare(unit, key_.size(), key_) == 0) lines_.push_back(std::move(line));
  }
}

std::string KeyLineScan::CutLine(std::string_view block, size_t start) const {
  const size_t room = std::min(cut_.maxUnits, (block.size() - start) / cut_.unit) * cut_.unit;
  size_t end = start + room;
  for (size_t at = start; at < start + room; at += cut_.unit) {
    if (IsLineFeed(block, at)) {
      end = at;
      break;
    }
  }
  std::string line(block.substr(start, end - start));
  if (cut_.dropCr && !line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::optional<std::vector<std::string>> SjisLinesWithKey(const std::filesystem::path& path, std::string_view key) {
  KeyLineScan scan = KeyLineScan::ForSjis(key);
  const FileError error =
      ReadRegularFilePieces(path, kMaxPostalFileSize, [&scan](std::string_view piece) { scan.Take(piece); });
  if (error != FileError::None) return std::nullopt;
  return scan.Finish();
}

std::optional<std::vector<std::u16string>> WideLinesWithKey(const std::filesystem::path& path,
                                                            std::u16string_view key) {
  KeyLineScan scan = KeyLineScan::ForWide(key);
  std::string sample;  // the start of the file, which tells its byte order
  const FileError error = ReadRegularFilePieces(path, kMaxPostalFileSize, [&](std::string_view piece) {
    if (sample.size() < 2 * kEndianSampleUnits) sample.append(piece.substr(0, 2 * kEndianSampleUnits - sample.size()));
    scan.Take(piece);
  });
  if (error != FileError::None || !IsLittleEndianText(UnitsOfLittleEndian(sample))) return std::nullopt;
  std::vector<std::u16string> lines;
  for (const std::string& line : scan.Finish()) lines.push_back(UnitsOfLittleEndian(line));
  return lines;
}

}  // namespace mirelon
