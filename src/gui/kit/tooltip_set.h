// A dialog's tooltips: one text per control, switched on and off together by toolTipCtrl.
// Windows caps a tip at 400 pixels wide; GTK wraps long tips by itself and offers no such cap.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include <wx/string.h>

#include "res/tooltip_entry.h"

class wxWindow;

namespace mirelon {

class TooltipSet {
 public:
  // `utf8` with CR LF breaks, as the texts are written; controls missing from `dialog` are skipped.
  void Add(wxWindow* dialog, const std::vector<int>& ids, std::string_view utf8);
  void Add(wxWindow* dialog, const std::vector<res::TooltipEntry>& entries);
  void Add(wxWindow* control, const wxString& text);
  void Activate(bool on);
  void Clear() { entries_.clear(); }

 private:
  std::vector<std::pair<wxWindow*, wxString>> entries_;
  bool active_ = false;
};

}  // namespace mirelon
