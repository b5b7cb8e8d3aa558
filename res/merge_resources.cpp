#include "res/merge_resources.h"

namespace mirelon::res {

const DialogTemplate& MergeTemplate() {
  // The drop-down lists are 14 units high: GTK sizes the open list itself, where Windows takes
  // the list's extent (140) from the template.
  static const DialogTemplate dialog{
      kMergeTemplate, "宛名と履歴の結合", kFixedFace, 9, 236, 131,
      {
          {kIdMergeLabel, ControlKind::Label, "宛名のない履歴データがありました", 33, 9, 136, 8},
          {kIdMergeClose, ControlKind::Button, "閉じる", 155, 23, 50, 14},
          {kIdMergeLabel, ControlKind::Label, "宛名のない履歴データ", 12, 46, 86, 8},
          {kIdHistoryOnlyList, ControlKind::DropList, "", 10, 56, 112, 14},
          {kIdMergeLabel, ControlKind::Label, "履歴のない宛名データ", 12, 76, 86, 8},
          {kIdAddressOnlyList, ControlKind::DropList, "", 10, 86, 216, 14},
          {kIdMergeJoin, ControlKind::Button, "結合する", 155, 107, 50, 14},
      }};
  return dialog;
}

const std::vector<TooltipEntry>& MergeTooltips() {
  static const std::vector<TooltipEntry> entries{
      {{kIdHistoryOnlyList}, "下記と組み合わせる「宛名のない履歴データ」を選択します。"},
      {{kIdAddressOnlyList}, "上記と組み合わせる「履歴のない宛名データ」を選択します。"},
  };
  return entries;
}

}  // namespace mirelon::res
