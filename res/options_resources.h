// The options window's resources: template 132 and its control numbers (wx ids equal them).
#pragma once

#include "res/dialog_template.h"
#include "res/tooltip_entry.h"

namespace mirelon::res {

inline constexpr int kOptionsTemplate = 132;

inline constexpr int kIdOptionsOk = 1;
inline constexpr int kIdOptionsCancel = 2;
inline constexpr int kIdAdvanceYear = 1000;       // "%d年に履歴更新"
inline constexpr int kIdWriteImportFile = 1062;   // "ｲﾝﾎﾟｰﾄﾌｧｲﾙ作成"
inline constexpr int kIdNonSendMark = 1069;
inline constexpr int kIdConvHistChar = 1171;
inline constexpr int kIdToolTipCtrl = 1196;
inline constexpr int kIdMemoTitle1Text = 1059;
inline constexpr int kIdMemoTitle2Text = 1060;
inline constexpr int kIdNotes = 1061;
inline constexpr int kIdColourText = 1197;
inline constexpr int kIdChooseColour = 1198;      // "ｶﾗｰ設定"
inline constexpr int kIdOptionsLabel = -1;        // the static texts

inline constexpr int kNonSendMarkLimit = 2;       // bytes

const DialogTemplate& OptionsTemplate();
const std::vector<TooltipEntry>& OptionsTooltips();

}  // namespace mirelon::res
