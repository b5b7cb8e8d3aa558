// The merge window's resources: template 135 and its control numbers (wx ids equal them).
#pragma once

#include "res/dialog_template.h"
#include "res/tooltip_entry.h"

namespace mirelon::res {

inline constexpr int kMergeTemplate = 135;

inline constexpr int kIdMergeJoin = 1000;         // "結合する"
inline constexpr int kIdMergeClose = 2;           // "閉じる"
inline constexpr int kIdHistoryOnlyList = 1070;   // history lines that found no address
inline constexpr int kIdAddressOnlyList = 1071;   // address records without history
inline constexpr int kIdMergeLabel = -1;          // the static texts

const DialogTemplate& MergeTemplate();
const std::vector<TooltipEntry>& MergeTooltips();

}  // namespace mirelon::res
