#include "postal/postal_files.h"

#include <cstring>

#include "book/book_files.h"
#include "platform/file_system.h"
#include "text/cp932.h"

namespace mirelon {

std::filesystem::path BusinessFilePath(const std::filesystem::path& addressFile, bool unicode) {
  std::filesystem::path name = unicode ? kWideBusinessBaseName : kSjisBusinessBaseName;
  name += addressFile.extension();
  std::filesystem::path business = addressFile;
  return business.replace_filename(name);
}

std::vector<PostalDataPlace> PostalDataPlaces(const std::filesystem::path& siblingFolder,
                                              const PostalDataEnvironment& environment) {
  std::vector<PostalDataPlace> places;
  if (!siblingFolder.empty()) places.push_back({siblingFolder, true});
  const std::filesystem::path documents = environment.documentsFolder();
  if (!documents.empty()) places.push_back({documents, false});
  const std::filesystem::path userData = environment.userDataFolder ? environment.userDataFolder() : std::filesystem::path();
  if (!userData.empty()) places.push_back({userData, false});
  return places;
}

void ProbePostalData(PostalDataLocation& location, const std::filesystem::path& siblingFolder,
                     const PostalDataEnvironment& environment) {
  if (!location.path.empty() && !environment.fileExists(location.path)) location = {};
  if (!location.path.empty()) return;
  const auto take = [&](const std::filesystem::path& path, bool unicode) {
    if (!environment.fileExists(path)) return false;
    location = {path, unicode};
    return true;
  };
  for (const PostalDataPlace& place : PostalDataPlaces(siblingFolder, environment)) {
    if (take(place.folder / kWideAddressFileName, true)) return;
    if (place.sjisToo && take(place.folder / kSjisAddressFileName, false)) return;
  }
}

template <class Char>
std::optional<std::basic_string<Char>> ReadFileAs(const std::filesystem::path& path) {
  std::string bytes;
  if (ReadRegularFile(path, kMaxPostalFileSize, bytes) != FileError::None) return std::nullopt;
  if constexpr (sizeof(Char) == 1) {
    return bytes;
  } else {
    std::basic_string<Char> units(bytes.size() / sizeof(Char), Char());
    std::memcpy(units.data(), bytes.data(), units.size() * sizeof(Char));
    return units;
  }
}

template std::optional<std::string> ReadFileAs<char>(const std::filesystem::path& path);
template std::optional<std::u16string> ReadFileAs<char16_t>(const std::filesystem::path& path);

std::string OpenFailureMessage(const std::filesystem::path& path) {
  return PathText(path) + Sjis("\r\nファイルのオープンに失敗しました");
}

bool SjisLineReader::ReadLine(std::string_view& line) {
  if (pos_ >= bytes_.size()) return false;
  const void* found = std::memchr(bytes_.data() + pos_, '\n', bytes_.size() - pos_);
  const size_t end = found ? static_cast<size_t>(static_cast<const char*>(found) - bytes_.data()) : bytes_.size();
  line = std::string_view(bytes_).substr(pos_, end - pos_);
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  pos_ = end + 1;
  return true;
}

}  // namespace mirelon
