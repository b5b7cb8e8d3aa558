#include "res/card_print_resources.h"

namespace mirelon::res {

const CardDialogTexts& CardDialogText() {
  static const CardDialogTexts texts;
  return texts;
}

const std::vector<TooltipEntry>& CardDialogTooltips() {
  static const std::vector<TooltipEntry> tips{
      {{kCardRecordList}, "チェックした宛先の宛名面を印刷します"},
      {{kCardSelectDefault}, "最新の送信欄で「送る」になっている、住所のある宛先だけをチェックします"},
      {{kCardSelectAll}, "すべての宛先をチェックします"},
      {{kCardSelectNone}, "すべてのチェックを外します"},
      {{kCardStartAt}, "チェックした宛先のうち、何枚目から印刷するかを指定します\r\n(途中で止まった印刷の続きに使います)"},
      {{kCardStock}, "印刷するはがきの種類\r\n普通紙では郵便番号の枠も印刷し、はがきに重ねて位置を確かめられます"},
      {{kCardNumberStyle}, "住所の番地などの数字の書き方"},
      {{kCardOffsetX, kCardOffsetY}, "印刷位置のずれを0.1mm単位で補正します(±5mm、プリンタごとに記憶)\r\n+で右・下へ動きます"},
      {{kCardRotate}, "はがきを上下逆に差し込むプリンタのとき、チェックします"},
      {{kCardPrintSender}, "左下に差出人の住所と氏名を印刷します"},
      {{kCardSenderCode}, "差出人の郵便番号(7桁)"},
      {{kCardSenderAddress1, kCardSenderAddress2}, "差出人の住所(2行目は建物名など)"},
      {{kCardSenderName}, "差出人の氏名(姓と名の間に空白)"},
      {{kCardSenderJointName}, "連名(名だけを入力すると姓の下にそろえます)"},
      {{kCardPrevious, kCardNext}, "前後のはがきを表示します"},
      {{kCardPrint}, "チェックした宛先の宛名面をプリンタで印刷します"},
      {{kCardCalibration}, "普通紙に枠を印刷し、はがきに重ねて位置のずれを確かめます"},
      {{kCardSavePdf}, "チェックした宛先の宛名面をPDFファイルに保存します"},
      {{kCardSenderOffsetX, kCardSenderOffsetY},
       "差出人だけを、はがき全体の位置調整に加えて動かします(±5mm)\r\n差出人の郵便番号が枠からずれるはがきに使います"},
      {{kCardDefaultHonorific}, "敬称の欄が空いている宛名に「様」を付けて印刷します"},
      {{kCardOmitJointFamily}, "連名がみな主の氏名と同じ姓のとき、連名の姓を省いて名だけを印刷します"},
  };
  return tips;
}

}  // namespace mirelon::res
