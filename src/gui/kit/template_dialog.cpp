#include "gui/kit/template_dialog.h"

#include <memory>
#include <utility>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/spinbutt.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/tokenzr.h>
#include <wx/utils.h>

#include "gui/kit/dialog_background.h"
#include "gui/kit/dialog_font.h"
#include "gui/kit/notifying_label.h"
#include "gui/kit/screen_fit.h"
#include "gui/kit/up_down_control.h"
#include "gui/kit/wx_text.h"

namespace mirelon {
namespace {

using res::ControlKind;

constexpr int kSmallestPoints = 6;

int LabelAlignment(unsigned style) {
  if (style & res::kAlignCentre) return wxALIGN_CENTRE_HORIZONTAL;
  if (style & res::kAlignRight) return wxALIGN_RIGHT;
  return wxALIGN_LEFT;
}

long EditStyle(unsigned style) {
  long result = 0;
  if (style & res::kMultiLine) result |= wxTE_MULTILINE | ((style & res::kVerticalScroll) ? wxVSCROLL : 0);
  if (style & res::kAlignCentre) result |= wxTE_CENTRE;
  if (style & res::kAlignRight) result |= wxTE_RIGHT;
  if (style & res::kReadOnly) result |= wxTE_READONLY;
  return result;
}

// Digits-only edits refuse every other printable key, as the platform's number style does.
void AcceptDigitsOnly(wxWindow* control) {
  control->Bind(wxEVT_CHAR, [](wxKeyEvent& event) {
    const int key = event.GetUnicodeKey();
    if (key != WXK_NONE && key >= 0x20 && (key < '0' || key > '9')) {
      wxBell();
      return;
    }
    event.Skip();
  });
}

// GTK gives a spin button the minimum height of a text field with the theme's padding, taller
// than the template's field beside it; its parts give that minimum up to keep the template's
// rectangle. (A drop-down's padding sits on a child widget of its own, out of reach of this.)
template <class Base>
class TemplateControl final : public Base {
 public:
  template <class... Arguments>
  explicit TemplateControl(const char* css, Arguments&&... arguments) : Base(std::forward<Arguments>(arguments)...) {
#ifdef __WXGTK3__
    this->GTKApplyCssStyle(css);
#else
    (void)css;
#endif
  }
};

constexpr const char* kSpinCss = "spinbutton, spinbutton button, spinbutton entry "
                                 "{ min-height: 0; padding-top: 0; padding-bottom: 0; }";

// A check box or radio button never gets less than its real minimum, its indicator's height
// (GTK would clip it and complain): a height below it grows around its middle. Fields and
// drop-downs keep the template's height, which the rows are spaced for.
void KeepMinimumHeight(wxWindow* control) {
  if (dynamic_cast<wxCheckBox*>(control) == nullptr && dynamic_cast<wxRadioButton*>(control) == nullptr) return;
  const wxRect rect = control->GetRect();
  const int minimum = control->GetBestSize().y;
  if (minimum <= rect.height) return;
  control->SetSize(rect.x, rect.y - (minimum - rect.height) / 2, rect.width, minimum);
}

wxWindow* CreateControl(TemplateDialog* dialog, const res::ControlTemplate& control) {
  const wxRect rect = dialog->ToPixels(control.x, control.y, control.width, control.height);
  const wxPoint pos = rect.GetPosition();
  const wxSize size = rect.GetSize();
  const wxString text = U8(control.text);
  const int id = control.id;
  switch (control.kind) {
    case ControlKind::Button:
    case ControlKind::DefaultButton: {
      auto* button = new wxButton(dialog, id, text, pos, size);
      if (control.kind == ControlKind::DefaultButton) button->SetDefault();
      return button;
    }
    case ControlKind::Label:
      if (control.style & res::kNotify) {
        return new NotifyingLabel(dialog, id, text, pos, size, LabelAlignment(control.style),
                                  (control.style & res::kBorder) != 0);
      }
      return new wxStaticText(dialog, id, text, pos, size,
                              LabelAlignment(control.style) | wxST_NO_AUTORESIZE |
                                  ((control.style & res::kBorder) ? wxBORDER_SIMPLE : 0));
    case ControlKind::Edit: {
      auto* edit = new wxTextCtrl(dialog, id, text, pos, size, EditStyle(control.style));
      if (control.style & res::kDigitsOnly) AcceptDigitsOnly(edit);
      return edit;
    }
    case ControlKind::ComboBox:
      return new wxComboBox(dialog, id, text, pos, size, 0, nullptr, wxCB_DROPDOWN);
    case ControlKind::DropList: {
      auto* list = new wxChoice(dialog, id, pos, size);
      for (const wxString& item : wxStringTokenize(text, "\n", wxTOKEN_STRTOK)) list->Append(item);
      return list;
    }
    case ControlKind::SpinButton:
      return new TemplateControl<wxSpinButton>(
          kSpinCss, dialog, id, pos, size,
          ((control.style & res::kHorizontal) ? wxSP_HORIZONTAL : wxSP_VERTICAL) |
              ((control.style & res::kArrowKeys) ? wxSP_ARROW_KEYS : 0));
    case ControlKind::UpDown:
      return new UpDownControl(dialog, id, pos, size);
    case ControlKind::GroupBox:
      return new wxStaticBox(dialog, id, text, pos, size);
    case ControlKind::CheckBox:
      return new wxCheckBox(dialog, id, text, pos, size);
    case ControlKind::RadioButton:
      return new wxRadioButton(dialog, id, text, pos, size, (control.style & res::kGroupStart) ? wxRB_GROUP : 0);
    case ControlKind::ListBox:
      return new wxListBox(dialog, id, pos, size, 0, nullptr,
                           wxLB_SINGLE | ((control.style & res::kSorted) ? wxLB_SORT : 0) |
                               ((control.style & res::kAutoHorizontalScroll) ? wxLB_HSCROLL : 0));
    case ControlKind::Custom:
      return nullptr;
  }
  return nullptr;
}

}  // namespace

TemplateDialog::TemplateDialog(wxWindow* parent, const res::DialogTemplate& dialogTemplate, long extraStyle)
    : wxDialog(parent, wxID_ANY, U8(dialogTemplate.caption), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | extraStyle),
      template_(dialogTemplate) {
  Build();
}

wxRect TemplateDialog::ToPixels(int x, int y, int width, int height) const {
  const wxPoint origin = ConvertDialogToPixels(wxPoint(x, y));
  const wxPoint end = ConvertDialogToPixels(wxPoint(x + width, y + height));
  return wxRect(origin, wxSize(end.x - origin.x, end.y - origin.y));
}

wxRect TemplateDialog::ControlRect(int id) const {
  const res::ControlTemplate* control = template_.Find(id);
  wxCHECK_MSG(control != nullptr, wxRect(), "no such control in the template");
  return ToPixels(control->x, control->y, control->width, control->height);
}

void TemplateDialog::Build() {
  SetFont(FittingFont());
  PaintWithDialogColour(this);
  for (const res::ControlTemplate& control : template_.controls) {
    wxWindow* window = CreateControl(this, control);
    if (window == nullptr) continue;
    KeepMinimumHeight(window);
    if (control.byteLimit > 0) BindByteLimit(window, control.byteLimit);
    if (control.style & res::kHidden) window->Hide();
    if (control.style & res::kDisabled) window->Disable();
  }
  SetClientSize(ToPixels(0, 0, template_.width, template_.height).GetSize());

  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnOk(); }, 1);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); }, 2);
  if (template_.Find(2) != nullptr) SetEscapeId(2);
  if (GetParent() != nullptr) {
    CentreOnParent();
  } else {
    CentreOnScreen();
  }
}

wxFont TemplateDialog::FittingFont() {
  // On a small screen (640 x 480) a template taller or wider than the screen, with the frame the
  // window manager adds, is laid out in a smaller size of its font: every control shrinks with its
  // dialog units, and the buttons stay on the screen.
  const wxRect area = ScreenAreaOf(GetParent() != nullptr ? GetParent() : this);
  const wxSize room(area.width - kFrameAllowance.x, area.height - kFrameAllowance.y);
  wxFont font(wxFontInfo(template_.fontPoints).FaceName(DialogFaceName(template_.fontFace)));
  for (int points = template_.fontPoints; points > kSmallestPoints; --points) {
    SetFont(font);
    const wxSize size = ToPixels(0, 0, template_.width, template_.height).GetSize();
    if (size.x <= room.x && size.y <= room.y) break;
    font.SetPointSize(points - 1);
  }
  return font;
}

void TemplateDialog::OnOk() {
  if (IsModal()) EndModal(wxID_OK);
}

void TemplateDialog::OnCancel() {
  if (IsModal()) EndModal(wxID_CANCEL);
}

void TemplateDialog::Finish(int returnCode) {
  if (IsModal()) {
    EndModal(returnCode);
  } else {
    SetReturnCode(returnCode);
    Hide();
  }
}

size_t Cp932Length(const wxString& text) {
  size_t length = 0;
  for (const wxUniChar c : text) {
    const auto code = c.GetValue();
    length += (code < 0x80 || (code >= 0xFF61 && code <= 0xFF9F)) ? 1 : 2;
  }
  return length;
}

void BindByteLimit(wxWindow* control, int byteLimit) {
  auto* entry = dynamic_cast<wxTextEntry*>(control);
  if (entry == nullptr) return;
  // The text before the user's change: after each change it let through, and whenever the
  // program may have written the field (its own writes send no event), which is done before the
  // next input is handled. An input method commits a word without a key event of its own.
  auto before = std::make_shared<wxString>();
  control->Bind(wxEVT_IDLE, [entry, before](wxIdleEvent& event) {
    event.Skip();
    *before = entry->GetValue();
  });
  control->Bind(wxEVT_TEXT, [control, entry, byteLimit, before](wxCommandEvent& event) {
    const wxString text = entry->GetValue();
    const size_t length = Cp932Length(text);
    // A field already too long (read from a file) may still be shortened.
    if (length <= static_cast<size_t>(byteLimit) || length <= Cp932Length(*before)) {
      *before = text;
      event.Skip();
      return;
    }
    // The whole word, paste or keystroke is refused, so the user sees it did not go in; the
    // change reaches no handler.
    size_t caret = 0;
    while (caret < text.length() && caret < before->length() && text[caret] == (*before)[caret]) ++caret;
    entry->ChangeValue(*before);
    // The native control places its caret after this handler.
    control->CallAfter([entry, caret] { entry->SetInsertionPoint(static_cast<long>(caret)); });
    wxBell();
  });
}

}  // namespace mirelon
