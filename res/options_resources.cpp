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

const std::vector<TooltipEntry>& OptionsTooltips() {
  static const std::vector<TooltipEntry> entries{
      {{kIdAdvanceYear}, "履歴を１年分更新します。\r\n更新した履歴は戻せませんので注意してください。"},
      {{kIdWriteImportFile}, "別のソフトで住所録データを利用するためのインポートファイルを\r\n作成します。\r\n"
       "ファイル名の末尾には _imp が付いて、*_imp.csv となります。"},
      {{kIdNonSendMark}, "送信しない履歴記号を指定します。\r\n履歴更新するときに、送信しない宛名の送信履歴にこの記号が\r\n"
       "追加されます。"},
      {{kIdConvHistChar}, "「履歴記号の半角→全角特殊変換入力」をするかどうかを切り替えます。\r\n"
       "変換入力が有効になっていると、履歴記号に全角文字を入力したいとき\r\n"
       "に、IMEによる日本語変換操作なしで簡単に入力できるようになります。\r\n"
       "変換入力ができるときは、履歴表示の右下に「*」が表示されます。"},
      {{kIdToolTipCtrl}, "ツールヒントを表示するかどうかを切り替えます。\r\nツールヒントとはこのような説明文のことです。"},
      {{kIdMemoTitle1Text}, "左側のメモ欄に表示するタイトルを入力します。"},
      {{kIdMemoTitle2Text}, "右側のメモ欄に表示するタイトルを入力します。"},
      {{kIdNotes}, "自由に覚え書きを記入します。\r\n自分で決めた入力方法のルールを書き込んでおくと、\r\n"
       "翌年の年賀状の季節に役立つでしょう。"},
      {{kIdColourText}, "ダイアログの背景色を Red, Green, Blue の順にスペースを空けて\r\n入力します。\r\n"
       "暗い背景色を指定しても自動的に明るい色に変更されます。\r\n"
       "背景色を「0 0 0」に指定した場合は、Windows のデフォルトの\r\n背景色になります。"},
      {{kIdChooseColour}, "カラーダイアログを使って、ダイアログの背景色を入力します。"},
  };
  return entries;
}

}  // namespace mirelon::res
