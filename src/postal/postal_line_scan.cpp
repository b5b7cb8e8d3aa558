#include "postal/postal_line_scan.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/file_system.h"
#include "postal/postal_files.h"
#include "postal/wide_data_file.h"

namespace mirelon {

namespace {

// How a line reader cuts lines, in bytes of the file.
struct LineCut {
  size_t unit;      // bytes of a unit
  size_t maxUnits;  // a longer line comes as several, each starting a line of its own
  bool dropCr;      // a CR before the LF is not part of the line
  std::string_view lead;  // skipped at the very start of the file (a byte-order mark)
};

// The file's bytes scanned for the key as they arrive; only whole lines (up to the last line feed
// so far) are scanned, the rest waits for the next piece.
class KeyLineScan {
 public:
  KeyLineScan(std::string_view key, const LineCut& cut) : key_(key), cut_(cut) {}

  void Take(std::string_view piece) {
    pending_.append(piece);
    const size_t whole = pending_.size() - pending_.size() % cut_.unit;
    for (size_t at = whole; at > checked_;) {
      at -= cut_.unit;
      if (IsLineFeed(pending_, at)) {
        Scan(std::string_view(pending_).substr(0, at + cut_.unit));
        pending_.erase(0, at + cut_.unit);
        break;
      }
    }
    checked_ = pending_.size() - pending_.size() % cut_.unit;
  }

  // The last line, which ends without a line feed; a trailing partial unit is no part of the file.
  std::vector<std::string> Finish() {
    pending_.resize(pending_.size() - pending_.size() % cut_.unit);
    Scan(pending_);
    return std::move(lines_);
  }

 private:
  bool IsLineFeed(std::string_view bytes, size_t at) const {
    return bytes[at] == '\n' && (cut_.unit == 1 || bytes[at + 1] == '\0');
  }

  // The next place of the key from `from`: memchr on its first byte, the rest compared in place.
  // Skipping searchers and a library find (a memcmp call at every first byte) are slower on text
  // that is mostly digits.
  size_t FindKey(std::string_view block, size_t from) const {
    if (key_.empty()) return from <= block.size() ? from : std::string_view::npos;
    while (from + key_.size() <= block.size()) {
      const void* found = std::memchr(block.data() + from, key_[0], block.size() - key_.size() + 1 - from);
      if (!found) break;
      const size_t at = static_cast<size_t>(static_cast<const char*>(found) - block.data());
      size_t k = 1;
      while (k < key_.size() && block[at + k] == key_[k]) ++k;
      if (k == key_.size()) return at;
      from = at + 1;
    }
    return std::string_view::npos;
  }

  // `block` starts at the start of a line and ends after a line feed or at the end of the file.
  void Scan(std::string_view block) {
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

  std::string CutLine(std::string_view block, size_t start) const {
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

  std::string key_;
  LineCut cut_;
  std::string pending_;
  size_t checked_ = 0;  // pending_ holds no line feed before here
  bool first_ = true;
  std::vector<std::string> lines_;
};

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

std::optional<std::vector<std::string>> SjisLinesWithKey(const std::filesystem::path& path, std::string_view key) {
  KeyLineScan scan(key, {1, SIZE_MAX, true, {}});
  const FileError error =
      ReadRegularFilePieces(path, kMaxPostalFileSize, [&scan](std::string_view piece) { scan.Take(piece); });
  if (error != FileError::None) return std::nullopt;
  return scan.Finish();
}

std::optional<std::vector<std::u16string>> WideLinesWithKey(const std::filesystem::path& path,
                                                            std::u16string_view key) {
  static const std::string kLead = LittleEndianBytes(std::u16string_view(&kByteOrderMark, 1));
  KeyLineScan scan(LittleEndianBytes(key), {2, WideLineReader::kMaxLineUnits, false, kLead});
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
