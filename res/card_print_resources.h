// The card printing dialog's texts: labels, choices, tooltips and messages (UTF-8).
#pragma once

#include <string_view>
#include <vector>

#include "res/tooltip_entry.h"

namespace mirelon::res {

// Control ids of the card printing dialog (tooltips and tests find the controls by them).
enum CardDialogId : int {
  kCardRecordList = 1301,
  kCardSelectDefault,
  kCardSelectAll,
  kCardSelectNone,
  kCardStartAt,
  kCardStock,
  kCardNumberStyle,
  kCardOffsetX,
  kCardOffsetY,
  kCardRotate,
  kCardPrintSender,
  kCardSenderCode,
  kCardSenderAddress1,
  kCardSenderAddress2,
  kCardSenderName,
  kCardSenderJointName,
  kCardPreview,
  kCardPrevious,
  kCardNext,
  kCardPosition,
  kCardPrint,
  kCardCalibration,
  kCardSavePdf,
  kCardSenderOffsetX,
  kCardSenderOffsetY,
  kCardDefaultHonorific,
  kCardOmitJointFamily,
  kCardCheckList,
};

struct CardDialogTexts {
  std::string_view title = "宛名面の印刷";
  std::string_view records = "印刷する宛先";
  std::string_view selectDefault = "今回送る宛先";
  std::string_view selectAll = "すべて選択";
  std::string_view selectNone = "すべて解除";
  std::string_view startAt = "開始位置(枚目):";
  std::string_view stock = "用紙:";
  std::vector<std::string_view> stocks{"通常はがき", "年賀はがき", "普通紙(枠を印刷)"};
  std::string_view numberStyle = "数字:";
  std::vector<std::string_view> numberStyles{"漢数字(一〇一)", "漢数字(百一・十)", "全角数字(縦中横)"};
  std::string_view offsetX = "横位置(mm):";
  std::string_view offsetY = "縦位置(mm):";
  std::string_view printer = "位置調整 - プリンタ: ";
  std::string_view defaultPrinter = "(既定のプリンタ)";
  std::string_view rotate = "180度回転して印刷";
  std::string_view sender = "差出人";
  std::string_view printSender = "差出人を印刷する";
  std::string_view senderCode = "郵便番号:";
  std::string_view senderAddress1 = "住所1:";
  std::string_view senderAddress2 = "住所2:";
  std::string_view senderName = "氏名:";
  std::string_view senderJointName = "連名:";
  std::string_view previous = "< 前へ";
  std::string_view next = "次へ >";
  std::string_view position = "%d / %d 枚目";  // printf-style: card, count
  std::string_view noCards = "印刷する宛先がありません";
  std::string_view print = "印刷(&P)...";
  std::string_view calibration = "位置確認用紙の印刷...";
  std::string_view savePdf = "PDFに保存...";
  std::string_view close = "閉じる";  // keeps what was chosen
  std::string_view cancel = "キャンセル";  // throws it away
  std::string_view pdfChooser = "PDFファイルに保存";
  std::string_view pdfFilter = "PDFファイル (*.pdf)|*.pdf";
  std::string_view pdfDefaultName = "宛名面.pdf";
  std::string_view printoutTitle = "宛名面";
  std::string_view senderOffsetX = "差出人の横(mm):";
  std::string_view senderOffsetY = "差出人の縦(mm):";
  std::string_view defaultHonorific = "敬称が空欄なら「様」を付ける";
  std::string_view omitJointFamily = "連名の同じ姓を省く";
  std::string_view checkTitle = "印刷前の確認";
  std::string_view checkIntro = "次のはがきは正しく印刷されないおそれがあります。";
  std::string_view checkPrint = "このまま印刷";
  std::string_view checkSave = "このまま保存";
  std::string_view checkBack = "戻る";
};

const CardDialogTexts& CardDialogText();
const std::vector<TooltipEntry>& CardDialogTooltips();

// Messages (UTF-8); %s/%d as printf.
inline constexpr std::string_view kCardBadSenderCode =
    "差出人の郵便番号「%s」が読み取れません。\r\n7桁の数字(例: 123-4567)で入力してください。";
inline constexpr std::string_view kCardUnmappable = "「%s」は Shift-JIS で表せない文字を含むので使えません。";
inline constexpr std::string_view kCardPdfFailed = "%s\r\nPDFファイルを保存できませんでした。";

}  // namespace mirelon::res
