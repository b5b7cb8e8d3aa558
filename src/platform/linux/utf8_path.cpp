// Names are bytes here, UTF-8 by convention: nothing is converted, so nothing can fail.
#include "platform/utf8_path.h"

namespace mirelon {

std::filesystem::path PathFromUtf8(std::string_view utf8) { return std::filesystem::path(utf8); }

std::string PathToUtf8(const std::filesystem::path& path) { return path.native(); }

}  // namespace mirelon
