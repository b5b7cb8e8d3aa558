// Dialog templates as data: a template number, caption, font and size, and its controls with
// window id, kind, text, rectangle and style. Rectangles are in dialog units of the template's
// font (a quarter of the average character width across, an eighth of the character height
// down); src/gui/kit/template_dialog.h turns a template into controls. Texts are UTF-8.
#pragma once

#include <string_view>
#include <vector>

namespace mirelon::res {

enum class ControlKind {
  Button,
  DefaultButton,
  Label,      // static text; with kNotify a label window that takes mouse clicks
  Edit,       // single- or multi-line text
  ComboBox,   // editable drop-down
  DropList,   // fixed drop-down list; items in `text`, separated by '\n'
  SpinButton,
  UpDown,     // a narrow pair of stacked arrows that steps a number (wxEVT_SPIN)
  GroupBox,
  CheckBox,
  RadioButton,
  ListBox,
  Custom,     // created by the dialog itself at the template rectangle
};

// Style bits; each kind takes those that apply to it.
enum ControlStyle : unsigned {
  kStyleNone = 0,
  kAlignCentre = 1u << 0,
  kAlignRight = 1u << 1,
  kMultiLine = 1u << 2,
  kVerticalScroll = 1u << 3,
  kWantReturn = 1u << 4,
  kDigitsOnly = 1u << 5,
  kReadOnly = 1u << 6,
  kBorder = 1u << 7,
  kNotify = 1u << 8,
  kHidden = 1u << 9,
  kHorizontal = 1u << 10,
  kArrowKeys = 1u << 11,
  kGroupStart = 1u << 12,
  kDisabled = 1u << 13,
  kSorted = 1u << 14,
  kAutoHorizontalScroll = 1u << 15,
};

struct ControlTemplate {
  int id;
  ControlKind kind;
  std::string_view text;
  int x, y, width, height;
  unsigned style = kStyleNone;
  int byteLimit = 0;  // edits and combo boxes: most CP932 bytes the user can type; 0 = none
};

struct DialogTemplate {
  int number;
  std::string_view caption;
  std::string_view fontFace;  // "IPAPGothic" for a proportional, "IPAGothic" for a fixed-pitch face
  int fontPoints;
  int width, height;  // client area
  std::vector<ControlTemplate> controls;

  const ControlTemplate* Find(int id) const {
    for (const auto& control : controls) {
      if (control.id == id) return &control;
    }
    return nullptr;
  }
};

// Faces standing in for the Windows dialog fonts ("ＭＳ Ｐゴシック", "ＭＳ ゴシック"), which the GUI
// takes on Windows (DialogFaceName).
inline constexpr std::string_view kProportionalFace = "IPAPGothic";
inline constexpr std::string_view kFixedFace = "IPAGothic";

}  // namespace mirelon::res
