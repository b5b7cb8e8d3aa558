// The history dialogs' resources: control numbers and templates 134 (confirmation) and 147
// (free edit), both in the fixed-pitch face.
#pragma once

#include "res/dialog_template.h"
#include "res/tooltip_entry.h"

namespace mirelon::res {

inline constexpr int kHistoryViewTemplate = 134;
inline constexpr int kHistoryEditTemplate = 147;

inline constexpr int kIdHistoryText = 1067;
inline constexpr int kIdHistoryLabel = 1068;
inline constexpr int kIdFreeEdit = 1000;

const DialogTemplate& HistoryViewTemplate();
const DialogTemplate& HistoryEditTemplate();
const std::vector<TooltipEntry>& HistoryViewTooltips();
const std::vector<TooltipEntry>& HistoryEditTooltips();

}  // namespace mirelon::res
