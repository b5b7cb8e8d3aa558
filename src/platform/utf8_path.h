// The one place where a path becomes text and text a path: UTF-8 for settings, messages and
// command-line words. Paths themselves stay in the platform's own encoding (wide on some systems),
// so that no name is ever read byte by byte in a code page it was not written in.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace mirelon {

// Never fails: where the text is no UTF-8 (a hand-edited setting) or a wide name holds a lone
// surrogate, which the other side cannot hold, that piece becomes U+FFFD. Where names are bytes
// they pass through unchanged either way.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

}  // namespace mirelon
