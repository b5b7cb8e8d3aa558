// The version box ("Mirelon のﾊﾞｰｼﾞｮﾝ情報"), modal over `parent`.
#pragma once

class wxWindow;

namespace mirelon {

void ShowAboutDialog(wxWindow* parent);

}  // namespace mirelon
