#include "gui/kit/tooltip_set.h"

#include <wx/dialog.h>
#include <wx/toplevel.h>
#include <wx/tooltip.h>

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

void TooltipSet::Change(wxWindow* control, const wxString& text) {
  std::erase_if(entries_, [control](const auto& entry) { return entry.first == control; });
  Add(control, text);
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

namespace {

void HideTooltips(wxWindow* window, std::vector<std::pair<wxWeakRef<wxWindow>, wxString>>& hidden) {
  if (window->GetToolTip() != nullptr) {
    hidden.emplace_back(window, window->GetToolTipText());
    window->UnsetToolTip();
  }
  for (wxWindow* child : window->GetChildren()) HideTooltips(child, hidden);
}

}  // namespace

int TooltipsOffWhileModal::Enter(wxDialog* dialog) {
  Hidden& hidden = hidden_.emplace_back();
  for (wxWindow* window : wxTopLevelWindows) {
    if (window != dialog) HideTooltips(window, hidden);
  }
  return wxID_NONE;
}

void TooltipsOffWhileModal::Exit(wxDialog*) {
  if (hidden_.empty()) return;
  for (auto& [window, text] : hidden_.back()) {
    if (window) window->SetToolTip(text);
  }
  hidden_.pop_back();
}

}  // namespace mirelon
