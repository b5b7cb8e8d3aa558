// The sibling program's postal data files: their names, where they are found, and reading them
// line by line.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirelon {

inline constexpr std::string_view kSjisAddressFileName = "QUELTAJUSHO.CSV";
inline constexpr std::string_view kWideAddressFileName = "QUELTAUNIJUSHO.CSV";
inline constexpr std::string_view kSjisBusinessBaseName = "QUELTAJIGYO";
inline constexpr std::string_view kWideBusinessBaseName = "QUELTAUNIJIGYO";

// The business file beside an address file: same folder and extension, the engine's base name.
std::filesystem::path BusinessFilePath(const std::filesystem::path& addressFile, bool unicode);

// The address file in use and the engine it selects (UTF-16 when `unicode`); `unicode` stays true
// while no file is known.
struct PostalDataLocation {
  std::filesystem::path path;
  bool unicode = true;
};

// What the search for the address file asks of the platform.
struct PostalDataEnvironment {
  std::function<bool(const std::filesystem::path&)> fileExists;
  std::function<std::filesystem::path()> documentsFolder;  // empty path when there is none
  // Where the converted public list is kept for a user without the sibling program; may be unset.
  std::function<std::filesystem::path()> userDataFolder;
};

// A folder the address file is looked for in, and whether the Shift-JIS file counts there too.
struct PostalDataPlace {
  std::filesystem::path folder;
  bool sjisToo = false;
};

// In order: the sibling program's folder (if any; the UTF-16 file, then the Shift-JIS one), the
// documents folder and the user's data folder (the UTF-16 file only), each where the platform has
// one.
std::vector<PostalDataPlace> PostalDataPlaces(const std::filesystem::path& siblingFolder,
                                              const PostalDataEnvironment& environment);

// Forgets a file that has gone, then, while none is known, takes the first file of
// PostalDataPlaces that exists.
void ProbePostalData(PostalDataLocation& location, const std::filesystem::path& siblingFolder,
                     const PostalDataEnvironment& environment);

// The largest postal data file read: the national data is under 8 MB in either encoding (the
// public list it is made from under 20 MB); a file far larger is none.
inline constexpr size_t kMaxPostalFileSize = 128 * 1024 * 1024;

// The whole file as units of `Char` as they lie in it (a trailing partial unit is dropped), or
// nothing when it cannot be opened or read, is no regular file (a FIFO, a device) or is far
// larger than any postal file. Instantiated for char and char16_t.
template <class Char>
std::optional<std::basic_string<Char>> ReadFileAs(const std::filesystem::path& path);

// "%s\r\nファイルのオープンに失敗しました" with the path in CP932.
std::string OpenFailureMessage(const std::filesystem::path& path);

// Lines of a Shift-JIS file: each ends at LF, and a CR before the LF is dropped.
class SjisLineReader {
 public:
  explicit SjisLineReader(std::string bytes) : bytes_(std::move(bytes)) {}
  // False only when the file ends before a line starts.
  bool ReadLine(std::string_view& line);

 private:
  std::string bytes_;
  size_t pos_ = 0;
};

}  // namespace mirelon
