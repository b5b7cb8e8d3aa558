// The list window's resources: command numbers (wx ids equal them), menu 128, the tool bar, the
// status prompts and the status pane's measuring text.
#pragma once

#include <string_view>
#include <vector>

namespace mirelon::res {

inline constexpr int kListResource = 128;

inline constexpr int kCmdNew = 57600;
inline constexpr int kCmdOpen = 57601;
inline constexpr int kCmdSave = 57603;
inline constexpr int kCmdSaveAs = 57604;         // "名前を付けて一覧表を保存"
inline constexpr int kCmdPrintSetup = 57606;
inline constexpr int kCmdPrint = 57607;
inline constexpr int kCmdPrintPreview = 57609;
inline constexpr int kCmdUndo = 57643;
inline constexpr int kCmdAbout = 57664;
inline constexpr int kCmdCloseList = 57665;
inline constexpr int kCmdFormatDialog = 32772;
inline constexpr int kCmdCopyList = 32773;
inline constexpr int kCmdWordWrap = 32774;
inline constexpr int kCmdSaveFormat = 32776;
inline constexpr int kCmdLoadFormat = 32777;
inline constexpr int kCmdPrintCards = 32778;  // "宛名面の印刷..."
inline constexpr int kCmdToolBar = 59392;
inline constexpr int kCmdStatusBar = 59393;
inline constexpr int kCmdSeparator = 0;

// Menu and tool ids must stay below 0x8000, and every command number here is above it: a command's
// id in the window is its number less 0x8000 (32772 → 4, 57600 → 24832).
constexpr int CommandWindowId(int command) { return command - 0x8000; }

// The file type of a saved or opened list, as a file chooser's filter.
inline constexpr std::string_view kListTextFilter = "テキスト文書 (*.txt)|*.txt";

// The widest text pane 59143 shows; its width is measured from it.
inline constexpr std::string_view kStatusPaneMeasure = "初期状態で送信しないもの  ページ99999件";

// One menu item; command kCmdSeparator is a separator. `accelerator` in wx's notation.
struct MenuItemTemplate {
  int command;
  std::string_view text;
  std::string_view accelerator = {};
  bool checkable = false;
};

struct MenuTemplate {
  std::string_view title;
  std::vector<MenuItemTemplate> items;
};

// A key that runs a command without a menu item of its own.
struct AcceleratorTemplate {
  int command;
  std::string_view key;  // wx's notation, e.g. "Ctrl+N"
};

const std::vector<MenuTemplate>& ListMenu();
const std::vector<AcceleratorTemplate>& ListAccelerators();
// Tool bar 128 in order; kCmdSeparator marks a separator.
const std::vector<int>& ListToolBar();
// The status prompt and the tool tip of a command ("prompt\ntip"); empty for unknown commands.
std::string_view CommandPrompt(int command);

}  // namespace mirelon::res
