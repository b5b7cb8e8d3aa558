#include "res/options_resources.h"

namespace mirelon::res {

const DialogTemplate& OptionsTemplate() {
  static const DialogTemplate dialog{
      kOptionsTemplate, "ｵﾌﾟｼｮﾝ操作", kProportionalFace, 9, 203, 271,
      {
          {kIdAdvanceYear, ControlKind::Button, "2005年に履歴更新", 7, 7, 92, 16},
          {kIdWriteImportFile, ControlKind::Button, "ｲﾝﾎﾟｰﾄﾌｧｲﾙ作成", 104, 7, 92, 16},
          {kIdOptionsLabel, ControlKind::Label, "送信しない履歴記号", 7, 33, 86, 8},
          {kIdNonSendMark, ControlKind::Edit, "", 96, 30, 28, 13, kAlignCentre, kNonSendMarkLimit},
          {kIdConvHistChar, ControlKind::CheckBox, "履歴記号の半角→全角特殊変換入力", 7, 48, 189, 12},
          {kIdToolTipCtrl, ControlKind::CheckBox, "ツールヒントの表示", 7, 62, 189, 12},
          {kIdOptionsLabel, ControlKind::Label, "メモ１の表示タイトル", 7, 82, 86, 8},
          {kIdMemoTitle1Text, ControlKind::Edit, "", 96, 79, 100, 13},
          {kIdOptionsLabel, ControlKind::Label, "メモ２の表示タイトル", 7, 99, 86, 8},
          {kIdMemoTitle2Text, ControlKind::Edit, "", 96, 96, 100, 13},
          {kIdOptionsLabel, ControlKind::Label, "覚え書き", 7, 115, 86, 8},
          {kIdNotes, ControlKind::Edit, "", 7, 125, 189, 96, kMultiLine | kVerticalScroll | kWantReturn},
          {kIdOptionsLabel, ControlKind::Label, "ダイアログの背景色", 7, 231, 72, 8},
          {kIdColourText, ControlKind::Edit, "", 80, 228, 62, 13},
          {kIdChooseColour, ControlKind::Button, "ｶﾗｰ設定", 146, 227, 50, 15},
          {kIdOptionsOk, ControlKind::DefaultButton, "OK", 92, 250, 50, 15},
          {kIdOptionsCancel, ControlKind::Button, "ｷｬﾝｾﾙ", 146, 250, 50, 15},
      }};
  return dialog;
}

}  // namespace mirelon::res
