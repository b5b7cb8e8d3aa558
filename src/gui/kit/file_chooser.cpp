#include "gui/kit/file_chooser.h"

namespace mirelon {

std::filesystem::path ToPath(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.length()));
}

std::string ToUtf8(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return std::string(reinterpret_cast<const char*>(utf8.data()), utf8.size());
}

wxString FromPath(const std::filesystem::path& path) { return wxString::FromUTF8(ToUtf8(path)); }

}  // namespace mirelon
