#include "res/contacts_resources.h"

namespace mirelon::res {

const DialogTemplate& ContactImportTemplate() {
  static const DialogTemplate dialog{
      kContactImportTemplate, "連絡先の取り込み", kProportionalFace, 9, 330, 262,
      {
          {kIdContactFileName, ControlKind::Label, "", 7, 7, 316, 9},
          {kIdContactCounts, ControlKind::Label, "", 7, 19, 316, 9},
          {kIdContactLabel, ControlKind::Label, "取り込む連絡先", 7, 33, 120, 9},
          {kIdContactEntries, ControlKind::ListBox, "", 7, 43, 316, 90, kVerticalScroll | kAutoHorizontalScroll},
          {kIdContactLabel, ControlKind::Label, "報告（選んでコピーできます）", 7, 138, 200, 9},
          {kIdContactReports, ControlKind::Edit, "", 7, 148, 316, 84,
           kMultiLine | kVerticalScroll | kReadOnly | kAutoHorizontalScroll},
          {kIdCopyContactReports, ControlKind::Button, "報告をコピー", 7, 240, 60, 15},
          {kIdContactColumns, ControlKind::Button, "列の対応...", 72, 240, 60, 15},
          {kIdContactImport, ControlKind::DefaultButton, "取り込む", 206, 240, 55, 15},
          {2, ControlKind::Button, "キャンセル", 268, 240, 55, 15},
      }};
  return dialog;
}

const DialogTemplate& ColumnMapTemplate() {
  static const DialogTemplate dialog{
      kColumnMapTemplate, "列の対応", kProportionalFace, 9, 330, 180,
      {
          {kIdContactLabel, ControlKind::Label, "列ごとに、取り込み先の項目を選んでください（先頭の行の例）", 7, 7, 316, 9},
          {kIdColumnPreview, ControlKind::Custom, "", 7, 19, 316, 110},
          {kIdContactLabel, ControlKind::Label, "列", 7, 138, 20, 9},
          {kIdColumnChoice, ControlKind::DropList, "", 30, 136, 120, 14},
          {kIdContactLabel, ControlKind::Label, "項目", 160, 138, 20, 9},
          {kIdColumnField, ControlKind::DropList, "", 185, 136, 138, 14},
          {1, ControlKind::DefaultButton, "OK", 206, 158, 55, 15},
          {2, ControlKind::Button, "キャンセル", 268, 158, 55, 15},
      }};
  return dialog;
}

const std::vector<TooltipEntry>& ContactImportTooltips() {
  static const std::vector<TooltipEntry> entries{
      {{kIdContactEntries}, "連絡先ごとに、新規・更新・変更なし・取り込めないのどれになるかを表示します。"},
      {{kIdContactReports}, "取り込めなかった文字や項目の一覧です。\r\n空にした項目は、取り込んだ後で入力してください。"},
      {{kIdCopyContactReports}, "報告の一覧をクリップボードにコピーします。"},
      {{kIdContactColumns}, "CSVファイルの列と取り込み先の項目の対応を変更します。"},
      {{kIdContactImport}, "表示のとおりに取り込みます。\r\nファイルへの保存は「ファイル書込」で行います。"},
  };
  return entries;
}

const std::vector<TooltipEntry>& ColumnMapTooltips() {
  static const std::vector<TooltipEntry> entries{
      {{kIdColumnChoice}, "取り込み先を決める列を選択します。"},
      {{kIdColumnField}, "選択した列の取り込み先の項目を選択します。\r\n「（取り込まない）」の列は読み飛ばします。"},
  };
  return entries;
}

}  // namespace mirelon::res
