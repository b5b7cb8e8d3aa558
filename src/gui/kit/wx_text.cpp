#include "gui/kit/wx_text.h"

namespace mirelon {

wxString FromCp932(std::string_view sjis) {
  const std::string utf8 = Cp932ToUtf8(sjis);
  return wxString::FromUTF8(utf8.data(), utf8.size());
}

Cp932FromControl ToCp932(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  const std::string_view view(utf8.data(), utf8.length());
  Cp932Encoded encoded = Utf8ToCp932(view);
  Cp932FromControl result;
  result.bytes = std::move(encoded.bytes);
  if (!encoded.ok()) {
    result.ok = false;
    // One UTF-8 sequence: the lead byte and its continuation bytes.
    size_t end = encoded.firstUnmappable + 1;
    while (end < view.size() && (static_cast<unsigned char>(view[end]) & 0xC0) == 0x80) ++end;
    result.unmappable = U8(view.substr(encoded.firstUnmappable, end - encoded.firstUnmappable));
  }
  return result;
}

wxString ToControlLineBreaks(const wxString& text) {
  wxString result(text);
  result.Replace("\r\n", "\n");
  return result;
}

wxString ToMemberLineBreaks(const wxString& text) {
  wxString result(text);
  result.Replace("\r\n", "\n");
  result.Replace("\n", "\r\n");
  return result;
}

}  // namespace mirelon
