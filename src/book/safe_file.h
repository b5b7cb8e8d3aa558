// Whole-file reading, and replacing a file so that a failed write never leaves it truncated.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace mirelon {

enum class FileIoResult { Done, OpenFailed, IoFailed };

// Reads the whole file into `content`. After IoFailed, `content` holds what was read before the
// error.
FileIoResult ReadWholeFile(const std::filesystem::path& path, std::string& content);

// Writes `content` to a new file in the same folder and renames it over `path` only once it is
// complete and flushed. An existing file that may not be written is refused (OpenFailed) as it
// would be by opening it for writing; it keeps its permissions otherwise, and a symbolic link
// keeps pointing at the replaced file.
FileIoResult ReplaceFile(const std::filesystem::path& path, std::string_view content);

}  // namespace mirelon
