// The display-format dialog: template 136 and its control numbers (wx ids equal them). Slot k
// (line k / 10 + 1, slot k % 10 + 1) has its item list at 1075 + 3k, its width edit at 1076 + 3k
// and the edit's up-down control at 1077 + 3k.
#pragma once

#include "res/dialog_template.h"
#include "res/tooltip_entry.h"

namespace mirelon::res {

inline constexpr int kDisplayFormatTemplate = 136;

inline constexpr int kIdFormatOk = 1;
inline constexpr int kIdFormatCancel = 2;
inline constexpr int kIdLineShown1 = 1072;  // 1073, 1074 for lines 2 and 3
inline constexpr int kIdItemKind = 1075;
inline constexpr int kIdItemWidth = 1076;
inline constexpr int kIdItemSpin = 1077;
inline constexpr int kIdFilter = 1165;
inline constexpr int kIdColumns = 1166;
inline constexpr int kIdNumbering = 1167;
inline constexpr int kIdLeftSpace = 1168;
inline constexpr int kIdLeftSpaceSpin = 1169;
inline constexpr int kIdFormatLabel = -1;

inline constexpr int kMaxItemWidth = 150;
inline constexpr int kMaxLeftSpace = 8;

constexpr int ItemKindId(int slot) { return kIdItemKind + 3 * slot; }
constexpr int ItemWidthId(int slot) { return kIdItemWidth + 3 * slot; }
constexpr int ItemSpinId(int slot) { return kIdItemSpin + 3 * slot; }

const DialogTemplate& DisplayFormatTemplate();
const std::vector<TooltipEntry>& DisplayFormatTooltips();

}  // namespace mirelon::res
