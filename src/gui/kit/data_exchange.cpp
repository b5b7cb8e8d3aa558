#include "gui/kit/data_exchange.h"

#include <wx/choice.h>
#include <wx/textctrl.h>
#include <wx/window.h>

#include "gui/kit/message_box.h"
#include "gui/kit/wx_text.h"

namespace mirelon {
namespace {

bool IsMultiLine(wxWindow* control) {
  auto* text = dynamic_cast<wxTextCtrl*>(control);
  return text != nullptr && text->IsMultiLine();
}

void Refuse(wxWindow* control, const wxString& message) {
  ShowMessageBoxText(message);
  control->SetFocus();
}

}  // namespace

wxString ByteLimitMessage(const wxString& fieldName, int byteLimit) {
  return wxString::Format(U8("「%s」は半角 %d 文字 (全角 %d 文字) 以内で入力してください。"), fieldName, byteLimit,
                          byteLimit / 2);
}

void DataExchange::BindText(int id, std::string* member, int byteLimit, std::string_view fieldName) {
  bindings_.push_back({Kind::Text, id, member, nullptr, byteLimit, 0, 0, U8(fieldName), wxString(), false});
}

void DataExchange::BindChoice(int id, std::string* member) {
  bindings_.push_back({Kind::Choice, id, member, nullptr, 0, 0, 0, wxString(), wxString(), false});
}

void DataExchange::BindNumber(int id, int* member, int min, int max) {
  bindings_.push_back({Kind::Number, id, nullptr, member, 0, min, max, wxString(), wxString(), false});
}

void DataExchange::BindConfirmedNumber(int id, int* member, int min, int max) {
  BindNumber(id, member, min, max);
  bindings_.back().pulledAlone = true;
}

void DataExchange::Attach(wxWindow* dialog) {
  dialog_ = dialog;
  for (Binding& binding : bindings_) binding.hasPushed = false;
}

void DataExchange::Push() {
  if (dialog_ == nullptr) return;
  Suppress suppress(*this);
  for (Binding& binding : bindings_) PushBinding(binding);
}

void DataExchange::PushOne(int id) {
  if (dialog_ == nullptr) return;
  Suppress suppress(*this);
  for (Binding& binding : bindings_) {
    if (binding.id == id) PushBinding(binding);
  }
}

bool DataExchange::Pull() {
  if (dialog_ == nullptr) return true;
  Suppress suppress(*this);
  for (Binding& binding : bindings_) {
    if (!binding.pulledAlone && !PullBinding(binding)) return false;
  }
  return true;
}

bool DataExchange::PullOne(int id) {
  if (dialog_ == nullptr) return true;
  Suppress suppress(*this);
  for (Binding& binding : bindings_) {
    if (binding.id == id && !PullBinding(binding)) return false;
  }
  return true;
}

void DataExchange::PushBinding(Binding& binding) {
  wxWindow* control = dialog_->FindWindow(binding.id);
  if (control == nullptr) return;
  switch (binding.kind) {
    case Kind::Text: {
      auto* entry = dynamic_cast<wxTextEntry*>(control);
      const wxString shown = ToControlLineBreaks(FromCp932(*binding.text));
      if (entry->GetValue() != shown) entry->ChangeValue(shown);
      binding.pushed = shown;
      binding.hasPushed = true;
      break;
    }
    case Kind::Choice: {
      auto* choice = dynamic_cast<wxChoice*>(control);
      const int index = choice->FindString(FromCp932(*binding.text), true);
      if (choice->GetSelection() != index) choice->SetSelection(index);
      break;
    }
    case Kind::Number: {
      auto* entry = dynamic_cast<wxTextEntry*>(control);
      const wxString shown = wxString::Format("%d", *binding.number);
      if (entry->GetValue() != shown) entry->ChangeValue(shown);
      break;
    }
  }
}

bool DataExchange::PullBinding(Binding& binding) {
  wxWindow* control = dialog_->FindWindow(binding.id);
  if (control == nullptr) return true;
  switch (binding.kind) {
    case Kind::Text: {
      auto* entry = dynamic_cast<wxTextEntry*>(control);
      const wxString text = entry->GetValue();
      if (binding.hasPushed && text == binding.pushed) return true;  // untouched: keep the bytes
      Cp932FromControl encoded = ToCp932(IsMultiLine(control) ? ToMemberLineBreaks(text) : text);
      if (!encoded.ok) {
        Refuse(control, wxString::Format(U8("「%s」に使用できない文字「%s」が含まれています。\n"
                                            "Shift-JIS で表せる文字に直してください。"),
                                         binding.fieldName, encoded.unmappable));
        return false;
      }
      if (binding.limit > 0 && encoded.bytes.size() > static_cast<size_t>(binding.limit)) {
        Refuse(control, ByteLimitMessage(binding.fieldName, binding.limit));
        return false;
      }
      *binding.text = std::move(encoded.bytes);
      binding.pushed = text;
      binding.hasPushed = true;
      return true;
    }
    case Kind::Choice: {
      auto* choice = dynamic_cast<wxChoice*>(control);
      const int index = choice->GetSelection();
      if (index != wxNOT_FOUND) *binding.text = ToCp932(choice->GetString(index)).bytes;
      return true;
    }
    case Kind::Number: {
      auto* entry = dynamic_cast<wxTextEntry*>(control);
      wxString digits;
      for (const wxUniChar c : entry->GetValue()) {
        const auto code = c.GetValue();
        digits += (code >= 0xFF10 && code <= 0xFF19) ? wxUniChar('0' + (code - 0xFF10)) : c;
      }
      long value = 0;
      if (!digits.ToLong(&value) || value < binding.min || value > binding.max) {
        Refuse(control, wxString::Format(U8("%d から %d までの整数を入力してください。"), binding.min, binding.max));
        return false;
      }
      *binding.number = static_cast<int>(value);
      return true;
    }
  }
  return true;
}

}  // namespace mirelon
