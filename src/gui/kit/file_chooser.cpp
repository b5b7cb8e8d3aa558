#include "gui/kit/file_chooser.h"

#include "platform/utf8_path.h"

namespace mirelon {

std::filesystem::path ToPath(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  return PathFromUtf8(std::string_view(utf8.data(), utf8.length()));
}

wxString FromPath(const std::filesystem::path& path) { return wxString::FromUTF8(PathToUtf8(path)); }

}  // namespace mirelon
