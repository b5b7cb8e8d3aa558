#include "res/about_resources.h"

namespace mirelon::res {

const DialogTemplate& AboutTemplate() {
  static const DialogTemplate dialog{
      kAboutTemplate, "Mirelon のﾊﾞｰｼﾞｮﾝ情報", kProportionalFace, 9, 220, 76,
      {
          {kIdAboutIcon, ControlKind::Custom, "", 10, 10, 28, 28},
          {kIdAboutVersion, ControlKind::Label, "Mirelon", 48, 10, 160, 10},
          {-1, ControlKind::Label, "年賀状の宛名を管理する住所録", 48, 24, 160, 10},
          {-1, ControlKind::Label, "Copyright (C) Ovrin Applications", 48, 38, 160, 10},
          {1, ControlKind::DefaultButton, "OK", 85, 56, 50, 15},
      }};
  return dialog;
}

}  // namespace mirelon::res
