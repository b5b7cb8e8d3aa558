#include "res/list_resources.h"

#include <map>

namespace mirelon::res {

const std::vector<MenuTemplate>& ListMenu() {
  static const std::vector<MenuTemplate> menu{
      {"ﾌｧｲﾙ(&F)",
       {
           {kCmdPrintPreview, "印刷ﾌﾟﾚﾋﾞｭｰ(&V)"},
           {kCmdPrint, "印刷(&P)...", "Ctrl+P"},
           {kCmdPrintSetup, "ﾌﾟﾘﾝﾀの設定(&R)..."},
           {kCmdPrintCards, "宛名面の印刷..."},
           {kCmdSeparator, ""},
           {kCmdSaveAs, "名前を付けて一覧表を保存(&A)..."},
           {kCmdSeparator, ""},
           {kCmdAbout, "Mirelon のﾊﾞｰｼﾞｮﾝ情報"},
           {kCmdCloseList, "一覧表の終了(&X)"},
       }},
      {"編集(&E)",
       {
           {kCmdCopyList, "ｺﾋﾟｰ(&C)"},
           {kCmdUndo, "元に戻す(&U)", "Ctrl+Z"},
       }},
      {"表示(&V)",
       {
           {kCmdLoadFormat, "表示書式読み込み(&R)"},
           {kCmdSaveFormat, "表示書式保存(&W)"},
           {kCmdFormatDialog, "表示書式設定(&D)"},
           {kCmdSeparator, ""},
           {kCmdWordWrap, "自動折り返し(画面・印刷)(&F)", "", true},
           {kCmdSeparator, ""},
           {kCmdToolBar, "ﾂｰﾙ ﾊﾞｰ(&T)", "", true},
           {kCmdStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", "", true},
       }},
  };
  return menu;
}

const std::vector<AcceleratorTemplate>& ListAccelerators() {
  static const std::vector<AcceleratorTemplate> keys{
      {kCmdNew, "Ctrl+N"},  {kCmdOpen, "Ctrl+O"}, {kCmdSave, "Ctrl+S"},
      {kCmdPrint, "Ctrl+P"}, {kCmdUndo, "Ctrl+Z"}, {kCmdUndo, "Alt+Back"},
  };
  return keys;
}

const std::vector<int>& ListToolBar() {
  static const std::vector<int> tools{kCmdLoadFormat, kCmdSaveFormat, kCmdFormatDialog, kCmdSeparator,
                                      kCmdWordWrap,   kCmdSeparator,  kCmdPrintPreview, kCmdPrint,
                                      kCmdSeparator,  kCmdCopyList,   kCmdSaveAs};
  return tools;
}

std::string_view CommandPrompt(int command) {
  static const std::map<int, std::string_view> prompts{
      {kCmdFormatDialog, "表示書式を設定\n表示書式設定"},
      {kCmdCopyList, "ﾃｷｽﾄをｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存\nｺﾋﾟｰ"},
      {kCmdWordWrap, "画面と印刷の自動折り返し する/しない\n自動折り返し(画面・印刷)"},
      {kCmdSaveFormat, "表示書式ﾌｧｲﾙを保存\n表示書式保存"},
      {kCmdLoadFormat, "表示書式ﾌｧｲﾙを読み込む\n表示書式読み込み"},
      {kCmdSaveAs, "一覧表のﾃｷｽﾄﾌｧｲﾙを名前を付けて保存\n名前をつけて一覧表を保存"},
      {kCmdPrint, "一覧表を印刷\n印刷"},
      {kCmdPrintCards, "はがきの宛名面を印刷、またはPDFに保存\n宛名面の印刷"},
      {kCmdCloseList, "一覧表を終了し、一覧表ﾌｧｲﾙの保存を指示\n終了"},
      // The framework's own commands.
      {kCmdPrintPreview, "印刷ｲﾒｰｼﾞを表示\n印刷ﾌﾟﾚﾋﾞｭｰ"},
      {kCmdPrintSetup, "ﾌﾟﾘﾝﾀや印刷ｵﾌﾟｼｮﾝを変更\n印刷設定"},
      {kCmdAbout, "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝ、著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
      {kCmdUndo, "直前に行った動作を元に戻す\n元に戻す"},
      {kCmdToolBar, "ﾂｰﾙ ﾊﾞｰの表示/非表示\nﾂｰﾙ ﾊﾞｰの表示切り替え"},
      {kCmdStatusBar, "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示切り替え"},
  };
  const auto found = prompts.find(command);
  return found == prompts.end() ? std::string_view() : found->second;
}

}  // namespace mirelon::res
