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

}  // namespace mirelon
