// The version box: template 100, shown from the editor and the list window.
#pragma once

#include "res/dialog_template.h"

namespace mirelon::res {

inline constexpr int kAboutTemplate = 100;
inline constexpr int kIdAboutIcon = 1100;
inline constexpr int kIdAboutVersion = 1101;

const DialogTemplate& AboutTemplate();

}  // namespace mirelon::res
