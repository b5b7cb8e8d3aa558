#include "gui/kit/template_dialog.h"

#include <algorithm>
#include <memory>

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
#include "gui/kit/notifying_label.h"
#include "gui/kit/up_down_control.h"
#include "gui/kit/wx_text.h"

namespace mirelon {
namespace {

using res::ControlKind;

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
      return new wxSpinButton(dialog, id, pos, size,
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
                           wxLB_SINGLE | ((control.style & res::kSorted) ? wxLB_SORT : 0));
    case ControlKind::Custom:
      return nullptr;
  }
  return nullptr;
}

}  // namespace

TemplateDialog::TemplateDialog(wxWindow* parent, const res::DialogTemplate& dialogTemplate)
    : wxDialog(parent, wxID_ANY, U8(dialogTemplate.caption), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX),
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
  SetFont(wxFont(wxFontInfo(template_.fontPoints).FaceName(U8(template_.fontFace))));
  PaintWithDialogColour(this);
  for (const res::ControlTemplate& control : template_.controls) {
    wxWindow* window = CreateControl(this, control);
    if (window == nullptr) continue;
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

void TemplateDialog::OnOk() {
  if (IsModal()) EndModal(wxID_OK);
}

void TemplateDialog::OnCancel() {
  if (IsModal()) EndModal(wxID_CANCEL);
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
  // The text before the user's change, taken at each key and after each change (the program's
  // own writes send no event): typing and pasting insert at the caret, so the part that does not
  // fit is cut from what was inserted, never from the text already there.
  auto before = std::make_shared<wxString>();
  control->Bind(wxEVT_KEY_DOWN, [entry, before](wxKeyEvent& event) {
    *before = entry->GetValue();
    event.Skip();
  });
  control->Bind(wxEVT_TEXT, [control, entry, byteLimit, before](wxCommandEvent& event) {
    event.Skip();
    wxString text = entry->GetValue();
    if (Cp932Length(text) <= static_cast<size_t>(byteLimit)) {
      *before = text;
      return;
    }
    const size_t start = static_cast<size_t>(std::max(0L, entry->GetInsertionPoint()));
    size_t end = text.length();
    if (text.length() > before->length() && start <= before->length() &&
        text.Left(start) + text.Mid(start + text.length() - before->length()) == *before) {
      end = start + text.length() - before->length();
    }
    while (end > 0 && Cp932Length(text) > static_cast<size_t>(byteLimit)) text.erase(--end, 1);
    entry->ChangeValue(text);
    *before = text;
    // The native control places its caret after this handler.
    control->CallAfter([entry, end] { entry->SetInsertionPoint(static_cast<long>(end)); });
    wxBell();
  });
}

}  // namespace mirelon
