#include "res/history_resources.h"

namespace mirelon::res {

// The edit's right end lines up with the ruler drawn below it (the last tick at 323 pixels).
const DialogTemplate& HistoryViewTemplate() {
  static const DialogTemplate dialog{
      kHistoryViewTemplate, "履歴確認", kFixedFace, 9, 231, 77,
      {
          {kIdHistoryLabel, ControlKind::Label, "2005年から2005年までの履歴です", 7, 7, 217, 10},
          {kIdHistoryText, ControlKind::Edit, "", 7, 20, 215, 14, kReadOnly | kAlignRight | kAutoHorizontalScroll},
          {kIdFreeEdit, ControlKind::Button, "自由編集", 60, 56, 50, 15},
          {2, ControlKind::DefaultButton, "閉じる", 121, 56, 50, 15},
      }};
  return dialog;
}

const DialogTemplate& HistoryEditTemplate() {
  static const DialogTemplate dialog{
      kHistoryEditTemplate, "履歴自由編集", kFixedFace, 9, 231, 77,
      {
          {kIdHistoryLabel, ControlKind::Label, "2005年までの履歴です", 7, 7, 217, 10},
          {kIdHistoryText, ControlKind::Edit, "", 7, 20, 215, 14, kAlignRight | kAutoHorizontalScroll},
          {1, ControlKind::DefaultButton, "OK", 60, 56, 50, 15},
          {2, ControlKind::Button, "ｷｬﾝｾﾙ", 121, 56, 50, 15},
      }};
  return dialog;
}

const std::vector<TooltipEntry>& HistoryViewTooltips() {
  static const std::vector<TooltipEntry> entries{
      {{kIdHistoryText}, "履歴の記号をつなげて表示しています。\r\n右端が最新履歴です。\r\n□はスペースを表しています。"},
      {{kIdFreeEdit}, "履歴に対して自由度の高い編集を行います。"},
  };
  return entries;
}

const std::vector<TooltipEntry>& HistoryEditTooltips() {
  static const std::vector<TooltipEntry> entries{
      {{kIdHistoryText},
       "履歴の記号をつなげた状態で編集します。\r\n全角１文字または半角２文字で１年分です。\r\n右端が最新履歴です。\r\n□はスペースを表します。"},
  };
  return entries;
}

}  // namespace mirelon::res
