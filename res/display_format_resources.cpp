#include "res/display_format_resources.h"

#include <array>
#include <string_view>

namespace mirelon::res {
namespace {

constexpr int kLines = 3;
constexpr int kSlotsPerLine = 10;
constexpr int kSlotsPerHalf = 5;

constexpr int kGroupX = 4;
constexpr int kGroupWidth = 354;
constexpr int kGroupHeight = 92;
constexpr int kGroupPitch = 93;
constexpr int kHalfX[2] = {68, 208};
constexpr int kRowY = 18;       // first slot row, from the group's top
constexpr int kRowPitch = 14;
// GTK draws a drop-down list no lower than its text and padding need; rows are as tight as that.
constexpr int kRowHeight = 14;

void AddLine(int line, std::vector<ControlTemplate>& c) {
  static constexpr std::array<std::string_view, kLines> kChecks{"１行目表示", "２行目表示", "３行目表示"};
  static constexpr std::array<std::string_view, kSlotsPerLine> kNumbers{"１", "２", "３", "４", "５",
                                                                        "６", "７", "８", "９", "10"};
  const int top = 2 + line * kGroupPitch;
  c.push_back({kIdFormatLabel, ControlKind::GroupBox, "", kGroupX, top, kGroupWidth, kGroupHeight});
  c.push_back({kIdLineShown1 + line, ControlKind::CheckBox, kChecks[line], 10, top + 18, 56, 10});
  if (line == 0) {
    c.push_back({kIdColumns, ControlKind::DropList,
                 "１行に１段\n１行に２段\n１行に３段\n１行に４段\n２段組\n３段組\n４段組", 10, top + 32, 54,
                 kRowHeight});
  }
  for (int half = 0; half < 2; ++half) {
    const int x = kHalfX[half];
    c.push_back({kIdFormatLabel, ControlKind::Label, "項　目", x + 12, top + 8, 88, 8, kAlignCentre});
    c.push_back({kIdFormatLabel, ControlKind::Label, "半角字数", x + 100, top + 8, 36, 8, kAlignCentre});
    for (int row = 0; row < kSlotsPerHalf; ++row) {
      const int slotInLine = half * kSlotsPerHalf + row;
      const int slot = line * kSlotsPerLine + slotInLine;
      const int y = top + kRowY + row * kRowPitch;
      c.push_back({kIdFormatLabel, ControlKind::Label, kNumbers[slotInLine], x, y + 3, 11, 8, kAlignRight});
      c.push_back({ItemKindId(slot), ControlKind::DropList, "", x + 12, y, 88, kRowHeight});
      c.push_back({ItemWidthId(slot), ControlKind::Edit, "", x + 102, y, 22, kRowHeight, kDigitsOnly | kAlignRight});
      c.push_back({ItemSpinId(slot), ControlKind::UpDown, "", x + 124, y, 9, kRowHeight});
    }
  }
}

}  // namespace

const DialogTemplate& DisplayFormatTemplate() {
  static const DialogTemplate dialog = [] {
    std::vector<ControlTemplate> c;
    for (int line = 0; line < kLines; ++line) AddLine(line, c);
    const int y = 2 + kLines * kGroupPitch + 2;
    c.push_back({kIdFormatLabel, ControlKind::Label, "表示対象", 6, y + 3, 32, 8});
    c.push_back({kIdFilter, ControlKind::DropList,
                 "すべて表示\n初期状態で送信するもの\n最新履歴で送信するもの\n前回履歴で送信するもの\n"
                 "初期状態で送信しないもの\n最新履歴で送信しないもの\n前回履歴で送信しないもの",
                 38, y, 112, kRowHeight});
    c.push_back({kIdFormatLabel, ControlKind::Label, "番号", 155, y + 3, 18, 8});
    c.push_back({kIdNumbering, ControlKind::DropList, "連番\nページ\nなし", 173, y, 46, kRowHeight});
    c.push_back({kIdFormatLabel, ControlKind::Label, "左ｽﾍﾟｰｽ", 224, y + 3, 28, 8});
    c.push_back({kIdLeftSpace, ControlKind::Edit, "", 252, y, 16, kRowHeight, kDigitsOnly | kAlignRight});
    c.push_back({kIdLeftSpaceSpin, ControlKind::UpDown, "", 268, y, 9, kRowHeight});
    c.push_back({kIdFormatOk, ControlKind::DefaultButton, "OK", 284, y, 36, kRowHeight});
    c.push_back({kIdFormatCancel, ControlKind::Button, "ｷｬﾝｾﾙ", 322, y, 36, kRowHeight});
    return DialogTemplate{kDisplayFormatTemplate, "表示書式設定", kProportionalFace, 9, 362, 303, std::move(c)};
  }();
  return dialog;
}

const std::vector<TooltipEntry>& DisplayFormatTooltips() {
  static const std::vector<TooltipEntry> entries = [] {
    std::vector<int> items, widths;
    for (int slot = 0; slot < kLines * kSlotsPerLine; ++slot) {
      items.push_back(ItemKindId(slot));
      widths.push_back(ItemWidthId(slot));
      widths.push_back(ItemSpinId(slot));
    }
    return std::vector<TooltipEntry>{
        {{kIdLineShown1}, "最大３行表示できるうちの１行目を\r\n表示対象にするかどうかを切り替えます。"},
        {{kIdLineShown1 + 1}, "最大３行表示できるうちの２行目を\r\n表示対象にするかどうかを切り替えます。"},
        {{kIdLineShown1 + 2}, "最大３行表示できるうちの３行目を\r\n表示対象にするかどうかを切り替えます。"},
        {{kIdColumns}, "段組みの指定をします。\r\n１行目のみが表示対象のときにだけ選択できます。\r\n"
                       "１行に○段というのはＺ並びの順で表示されます。\r\n○段組というのはИ並びの順で表示されます。"},
        {{kIdFilter}, "送信に関する条件で表示する対象を限定するときに指定します。"},
        {{kIdNumbering}, "宛名に番号を付けて表示するときに指定します。"},
        {{kIdLeftSpace, kIdLeftSpaceSpin}, "行の左に隙間を空けるときに半角スペースの個数を指定します。"},
        {items, "表示する項目を選択します。\r\n空白を選択すると隙間を空けることができます。"},
        {widths, "表示する文字数を半角字数で指定します。\r\n全角文字１つが半角文字２つに該当します。\r\n"
                 "表示がないときは 0 にします。"},
    };
  }();
  return entries;
}

}  // namespace mirelon::res
