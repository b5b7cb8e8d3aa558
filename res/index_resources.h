// The index window's resources: template 133, its control numbers (wx ids equal them) and tooltips.
#pragma once

#include "res/dialog_template.h"
#include "res/tooltip_entry.h"

namespace mirelon::res {

inline constexpr int kIndexTemplate = 133;

inline constexpr int kIdIndexClose = 2;         // "閉じる"
inline constexpr int kIdCheckAddresses = 1000;  // "住所照合"
inline constexpr int kIdIndexList = 1064;
inline constexpr int kIdMismatchOnly = 1187;    // "住所と郵便番号の要ﾁｪｯｸ分のみ表示"

const DialogTemplate& IndexTemplate();
const std::vector<TooltipEntry>& IndexTooltips();

}  // namespace mirelon::res
