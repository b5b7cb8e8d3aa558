// The usual right-click menu of an edit or memo: 元に戻す, 切り取り, コピー, 貼り付け, 削除 and
// すべて選択, each enabled where it applies, in Japanese whatever GTK's own menu would say. GTK's
// entries keep no undo, so each control keeps one step of its own: the text before the user's last
// run of typing, or before the last cut, paste or delete; undoing twice brings the change back.
// Ctrl+Z undoes as well.
// Every change the menu makes reaches the control's change handlers as typing would.
#pragma once

class wxWindow;

namespace mirelon {

// Gives every text control among the children of `dialog` the menu.
void BindEditMenus(wxWindow* dialog);

}  // namespace mirelon
