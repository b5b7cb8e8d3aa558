#include "gui/kit/file_chooser.h"

namespace mirelon {

std::filesystem::path ToPath(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.length()));
}

wxString FromPath(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return wxString::FromUTF8(reinterpret_cast<const char*>(utf8.data()), utf8.size());
}

std::string ToUtf8(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(reinterpret_cast<const char*>(utf8.data()), utf8.size());
}

}  // namespace mirelon
