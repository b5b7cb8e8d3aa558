// The program's names: the settings vendor and application, the window and message-box title.
#pragma once

namespace mirelon {

inline constexpr const char* kVendorName = "Ovrin Applications";
inline constexpr const char* kApplicationName = "Mirelon";

}  // namespace mirelon
