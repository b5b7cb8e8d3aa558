// The one place where a path becomes text and text a path: UTF-8 for settings, messages and
// command-line words. Paths themselves stay in the platform's own encoding (wide on some systems),
// so that no name is ever read byte by byte in a code page it was not written in.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace mirelon {

inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

inline std::string PathToUtf8(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(reinterpret_cast<const char*>(utf8.data()), utf8.size());
}

}  // namespace mirelon
