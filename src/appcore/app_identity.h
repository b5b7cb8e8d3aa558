// The program's names: the settings vendor and application, the window and message-box title, and
// the version (the project's, set by the build).
#pragma once

namespace mirelon {

inline constexpr const char* kVendorName = "Ovrin Applications";
inline constexpr const char* kApplicationName = "Mirelon";
inline constexpr const char* kVersion = MIRELON_VERSION;

}  // namespace mirelon
