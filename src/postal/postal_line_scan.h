// Finding the rows of a postal file that carry a key without cutting every line: the file is read in
// pieces and searched for the key, and only the lines it sits in are cut, exactly as SjisLineReader
// and WideLineReader cut them (a code search reads the national file for a few dozen rows).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirelon {

// The lines, in file order, whose text from their second unit on begins with `key`, or nothing when
// the file cannot be read (as ReadFileAs<char>).
std::optional<std::vector<std::string>> SjisLinesWithKey(const std::filesystem::path& path, std::string_view key);

// The same for a UTF-16 file, or nothing when ReadWideFile would give nothing.
std::optional<std::vector<std::u16string>> WideLinesWithKey(const std::filesystem::path& path,
                                                            std::u16string_view key);

// The search behind both, given a file's bytes in pieces of any size, and giving the lines as bytes
// of the file. Whole lines are searched where the piece lies: only a line begun in an earlier piece
// is copied (a copy of every piece costs as much as the search).
class KeyLineScan {
 public:
  static KeyLineScan ForSjis(std::string_view key);
  static KeyLineScan ForWide(std::u16string_view key);  // a little-endian file

  void Take(std::string_view piece);
  // The lines found; the last may end without a line feed, and a trailing partial unit is no part of it.
  std::vector<std::string> Finish();

 private:
  // How a line reader cuts lines, in bytes of the file.
  struct LineCut {
    size_t unit;            // bytes of a unit
    size_t maxUnits;        // a longer line comes as several, each starting a line of its own
    bool dropCr;            // a CR before the LF is not part of the line
    std::string_view lead;  // skipped at the very start of the file (a byte-order mark)
  };
  KeyLineScan(std::string key, const LineCut& cut) : key_(std::move(key)), cut_(cut) {}

  bool IsLineFeed(std::string_view bytes, size_t at) const;
  size_t FindKey(std::string_view block, size_t from) const;
  void Scan(std::string_view block);
  std::string CutLine(std::string_view block, size_t start) const;

  std::string key_;
  LineCut cut_;
  std::string pending_;  // the file from the start of a line that is not whole yet
  bool first_ = true;
  std::vector<std::string> lines_;
};

}  // namespace mirelon
