#include "res/index_resources.h"

namespace mirelon::res {

const DialogTemplate& IndexTemplate() {
  // Fixed pitch, so that the number, registration name and name columns of the lines align.
  static const DialogTemplate dialog{
      kIndexTemplate, "索引", kFixedFace, 9, 222, 295,
      {
          {kIdIndexList, ControlKind::ListBox, "", 7, 7, 208, 250, kVerticalScroll},
          {kIdMismatchOnly, ControlKind::CheckBox, "住所と郵便番号の要ﾁｪｯｸ分のみ表示", 7, 262, 208, 10},
          {kIdCheckAddresses, ControlKind::Button, "住所照合", 7, 276, 50, 14},
          {kIdIndexClose, ControlKind::Button, "閉じる", 165, 276, 50, 14},
      }};
  return dialog;
}

const std::vector<TooltipEntry>& IndexTooltips() {
  static const std::vector<TooltipEntry> entries{
      {{kIdIndexList}, "クリックした宛名が編集対象になります。"},
      {{kIdCheckAddresses}, "住所と郵便番号が食い違っているデータをチェックします。"},
      {{kIdMismatchOnly}, "住所と郵便番号が食い違っているデータだけを表示します。"},
  };
  return entries;
}

}  // namespace mirelon::res
