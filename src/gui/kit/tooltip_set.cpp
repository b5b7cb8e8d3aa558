#include "gui/kit/tooltip_set.h"

#include <wx/window.h>

#include "gui/kit/wx_text.h"

namespace mirelon {

void TooltipSet::Add(wxWindow* dialog, const std::vector<int>& ids, std::string_view utf8) {
  const wxString text = ToControlLineBreaks(U8(utf8));
  for (int id : ids) {
    if (wxWindow* control = dialog->FindWindow(id)) Add(control, text);
  }
}

void TooltipSet::Add(wxWindow* dialog, const std::vector<res::TooltipEntry>& entries) {
  for (const res::TooltipEntry& entry : entries) Add(dialog, entry.ids, entry.text);
}

void TooltipSet::Add(wxWindow* control, const wxString& text) {
  entries_.emplace_back(control, text);
  if (active_) control->SetToolTip(text);
}

void TooltipSet::Activate(bool on) {
  active_ = on;
  for (auto& [control, text] : entries_) {
    if (on) {
      control->SetToolTip(text);
    } else {
      control->UnsetToolTip();
    }
  }
}

}  // namespace mirelon
