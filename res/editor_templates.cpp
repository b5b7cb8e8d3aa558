// Templates 130 (full) and 138 (compact) of the editor: the same controls with the same numbers,
// laid out from one set of measures each. Upper block: the address side on the left, contacts
// and memos on the right; below it the five history years with the send state.
#include <array>
#include <string_view>

#include "res/editor_resources.h"

namespace mirelon::res {
namespace {

struct EditorMeasures {
  int number;
  int width, height;
  bool groupUpperBlock;  // the compact layout frames its upper block
  // Captions that the compact layout shortens, in the order 1001, 1002, 1003, 1199, 1055, 1056, 1063, 1174.
  std::array<std::string_view, 8> captions;
  // Top row of buttons: 1001, 1002, 1000, 1003, 1172, 1199, 2.
  std::array<int, 7> topButtonWidth;
  int buttonHeight;
  int pageRowY;       // file name, page, count, new/delete/index
  int pageButtonWidth;
  int rowY;           // first row of fields
  int rowPitch;
  int editHeight;
  int labelWidth;     // left column labels
  int leftRight;      // right edge of the left column
  int honorificWidth;
  int rightX;         // right column
  int rightLabelWidth;
  int memoHeight;
  int historyY;       // year labels
  int markWidth;
  int markPitch;
};

constexpr int kMargin = 5;

void AddTopRow(const EditorMeasures& m, std::vector<ControlTemplate>& c) {
  const std::array<int, 7> ids{kIdReadFile, kIdWriteFile, kIdOpenList, kIdOptions, kIdLaunchQuelta, kIdOnlineHelp, kIdCancel};
  const std::array<std::string_view, 7> texts{m.captions[0], m.captions[1], "一覧表示", m.captions[2],
                                              "Quelta 起動", m.captions[3], "終　了"};
  int total = 0;
  for (int w : m.topButtonWidth) total += w;
  const int gap = (m.width - 2 * kMargin - total) / 6;
  int x = kMargin;
  for (size_t i = 0; i < ids.size(); ++i) {
    const int width = i + 1 == ids.size() ? m.width - kMargin - x : m.topButtonWidth[i];
    c.push_back({ids[i], ControlKind::Button, texts[i], x, 4, width, m.buttonHeight});
    x += m.topButtonWidth[i] + gap;
  }
}

void AddPageRow(const EditorMeasures& m, std::vector<ControlTemplate>& c) {
  const int y = m.pageRowY;
  const int textY = y + 5;
  const int right = m.width - kMargin;
  const int newX = right - 3 * m.pageButtonWidth - 6;
  c.push_back({kIdRecordCount, ControlKind::Label, "/1000", newX - 36, textY, 32, 9});
  // The spin no taller than the page field beside it.
  c.push_back({kIdPageSpin, ControlKind::SpinButton, "", newX - 79, y + 3, 42, m.editHeight, kHorizontal | kArrowKeys});
  c.push_back({kIdPageNumber, ControlKind::Edit, "", newX - 110, y + 3, 28, m.editHeight, kDigitsOnly | kAlignRight});
  c.push_back({kIdStatic, ControlKind::Label, "ページ", newX - 136, textY, 24, 9, kAlignRight});
  c.push_back({kIdFileName, ControlKind::Label, "新規ファイル", kMargin, textY - 2, newX - 140 - kMargin, 12,
               kAlignCentre | kBorder});
  const std::array<int, 3> ids{kIdNewPage, kIdDeletePage, kIdIndex};
  for (int i = 0; i < 3; ++i) {
    c.push_back({ids[i], ControlKind::Button, m.captions[4 + i], newX + i * (m.pageButtonWidth + 3), y + 2,
                 m.pageButtonWidth, m.buttonHeight});
  }
}

void AddLeftColumn(const EditorMeasures& m, std::vector<ControlTemplate>& c) {
  const int fieldX = kMargin + m.labelWidth + 3;
  const int fieldWidth = m.leftRight - fieldX;
  int y = m.rowY;
  const auto row = [&](int id, std::string_view label, int width) {
    c.push_back({kIdStatic, ControlKind::Label, label, kMargin, y + 2, m.labelWidth, 10});
    c.push_back({id, ControlKind::Edit, "", fieldX, y, width, m.editHeight, kAutoHorizontalScroll, kTextLimit});
  };
  row(kIdRegistrationName, "登録名(ﾌﾘｶﾞﾅ)", fieldWidth);
  y += m.rowPitch;
  row(kIdPostalCode, "郵便番号", 60);
  c.push_back({kIdPostalSearch, ControlKind::Button, m.captions[7], fieldX + 64, y - 1, 40, m.buttonHeight});
  const std::array<std::pair<int, std::string_view>, 5> lines{{{kIdAddress1, "住所"},
                                                              {kIdAddress2, "同 ２行目"},
                                                              {kIdCompany1, "会社・機関等"},
                                                              {kIdCompany2, "同 ２行目"},
                                                              {kIdPosition, "身分・役職等"}}};
  for (const auto& [id, label] : lines) {
    y += m.rowPitch;
    row(id, label, fieldWidth);
  }
  const std::array<std::pair<int, std::string_view>, 4> names{
      {{kIdName, "名前"}, {kIdJointName1, "連名１"}, {kIdJointName2, "連名２"}, {kIdJointName3, "連名３"}}};
  for (int i = 0; i < 4; ++i) {
    y += m.rowPitch;
    row(names[i].first, names[i].second, fieldWidth - m.honorificWidth - 3);
    c.push_back({kIdHonorific + i, ControlKind::ComboBox, "", m.leftRight - m.honorificWidth, y, m.honorificWidth,
                 m.editHeight, kStyleNone, kHonorificLimit});
  }
}

// Bottom of the upper block.
int UpperBottom(const EditorMeasures& m) { return m.rowY + 10 * m.rowPitch + m.editHeight; }

void AddRightColumn(const EditorMeasures& m, std::vector<ControlTemplate>& c) {
  const int right = m.width - kMargin;
  const int fieldX = m.rightX + m.rightLabelWidth + 3;
  int y = m.rowY;
  const std::array<std::pair<int, std::string_view>, 4> contacts{
      {{kIdPhone, "電話番号"}, {kIdFax, "FAX番号"}, {kIdMobile, "携帯番号"}, {kIdEmail, "E-Mailｱﾄﾞﾚｽ"}}};
  for (const auto& [id, label] : contacts) {
    c.push_back({kIdStatic, ControlKind::Label, label, m.rightX, y + 2, m.rightLabelWidth, 10});
    c.push_back({id, ControlKind::Edit, "", fieldX, y, right - fieldX, m.editHeight, kAutoHorizontalScroll});
    y += m.rowPitch;
  }
  const int memoGap = (UpperBottom(m) - y - 2 * (10 + m.memoHeight)) / 2;
  for (int i = 0; i < 2; ++i) {
    c.push_back({kIdMemoTitle1 + i, ControlKind::Label, i == 0 ? "メモ１" : "メモ２", m.rightX, y, right - m.rightX, 9,
                 kNotify});
    c.push_back({kIdMemo1 + i, ControlKind::Edit, "", m.rightX, y + 10, right - m.rightX, m.memoHeight,
                 kMultiLine | kVerticalScroll | kWantReturn});
    y += 10 + m.memoHeight + memoGap;
  }
}

void AddHistory(const EditorMeasures& m, std::vector<ControlTemplate>& c) {
  const int buttonWidth = 44;
  const int markX = kMargin + buttonWidth + 8;
  const int yearY = m.historyY;
  const int sendY = yearY + 22;
  const int receiveY = sendY + m.rowPitch + 2;
  // Placeholders until the book's year is shown.
  constexpr std::array<std::string_view, kHistoryColumns> years{"2001", "2002", "2003", "2004", "2005"};
  constexpr std::array<std::string_view, kHistoryColumns> signs{"巳", "午", "未", "申", "酉"};
  // The order of creation is the Tab order: the send row, then the receive row.
  for (int i = 0; i < kHistoryColumns; ++i) {
    const int x = markX + i * m.markPitch;
    c.push_back({kIdFirstYear + i, ControlKind::Label, years[i], x, yearY, m.markWidth, 9, kAlignCentre});
    c.push_back({kIdFirstZodiac + i, ControlKind::Label, signs[i], x, yearY + 10, m.markWidth, 9, kAlignCentre});
    c.push_back({kIdFirstSendMark + i, ControlKind::Edit, "", x, sendY, m.markWidth, m.editHeight, kAlignCentre, kMarkLimit});
  }
  for (int i = 0; i < kHistoryColumns; ++i) {
    c.push_back({kIdFirstReceiveMark + i, ControlKind::Edit, "", markX + i * m.markPitch, receiveY, m.markWidth,
                 m.editHeight, kAlignCentre, kMarkLimit});
  }
  c.push_back({kIdSendHistory, ControlKind::Button, "送信履歴", kMargin, sendY - 1, buttonWidth, m.buttonHeight});
  c.push_back({kIdReceiveHistory, ControlKind::Button, "受信履歴", kMargin, receiveY - 1, buttonWidth, m.buttonHeight});
  const int marksRight = markX + 4 * m.markPitch + m.markWidth;
  c.push_back({kIdConversionIndicator, ControlKind::Label, "*", marksRight + 3, receiveY + 1, 9, 11,
               kAlignCentre | kBorder | kNotify});
  const int stateX = marksRight + 24;
  c.push_back({kIdStatic, ControlKind::Label, "履歴更新時の初期状態", stateX, sendY - 10, 90, 9});
  c.push_back({kIdSendState, ControlKind::DropList, "送信する\n送信しない", stateX, sendY - 1, 70, m.buttonHeight});
}

DialogTemplate BuildEditorTemplate(const EditorMeasures& m) {
  DialogTemplate dialog{m.number, "Mirelon", kProportionalFace, 9, m.width, m.height, {}};
  auto& c = dialog.controls;
  AddTopRow(m, c);
  AddPageRow(m, c);
  if (m.groupUpperBlock) {
    c.push_back({kIdStatic, ControlKind::GroupBox, "", 2, m.rowY - 5, m.width - 4, UpperBottom(m) - m.rowY + 9});
  }
  AddLeftColumn(m, c);
  AddRightColumn(m, c);
  AddHistory(m, c);
  // Over the right column, where the conversion it explains is typed below.
  c.push_back({kIdExplanationPanel, ControlKind::Custom, "", m.width - kMargin - 210, m.rowY, 210, 150, kHidden});
  return dialog;
}

constexpr EditorMeasures kFull{
    kEditorFullTemplate, 403, 361, false,
    {"ファイル読込", "ファイル書込", "オプション操作", "オンライン解説", "新　規", "削　除", "索　引", "〒検索"},
    {53, 53, 44, 60, 50, 60, 38}, 15,
    24, 32,
    52, 20, 13,
    46, 254, 62,
    262, 44, 56,
    274, 28, 32,
};

// Low enough that the window with its title bar fits a 640 x 480 screen in the fonts at hand.
constexpr EditorMeasures kCompact{
    kEditorCompactTemplate, 362, 268, true,
    {"ﾌｧｲﾙ読込", "ﾌｧｲﾙ書込", "ｵﾌﾟｼｮﾝ操作", "ｵﾝﾗｲﾝ解説", "新規", "削除", "索引", "〒"},
    {40, 40, 44, 44, 48, 42, 36}, 14,
    22, 26,
    44, 15, 13,
    44, 228, 56,
    236, 42, 36,
    211, 24, 28,
};

}  // namespace

const DialogTemplate& EditorTemplate(int number) {
  static const DialogTemplate full = BuildEditorTemplate(kFull);
  static const DialogTemplate compact = BuildEditorTemplate(kCompact);
  return number == kEditorCompactTemplate ? compact : full;
}

}  // namespace mirelon::res
