// A fresh folder under the system's temporary folder, removed with everything in it at the end of
// the test; and whole-file helpers for byte comparisons.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <string_view>

#include "platform/utf8_path.h"

namespace mirelon::test {

class TempFolder {
 public:
  TempFolder() { Create("mirelon-test-"); }
  // Its name begins with `utf8Prefix`.
  explicit TempFolder(std::string_view utf8Prefix) { Create(PathFromUtf8(utf8Prefix)); }
  ~TempFolder() {
    std::error_code error;
    std::filesystem::remove_all(path_, error);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  void Create(const std::filesystem::path& prefix) {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / prefix;
    path_ += std::to_string(random()) + std::to_string(random());
    std::filesystem::create_directories(path_);
  }

  std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace mirelon::test
