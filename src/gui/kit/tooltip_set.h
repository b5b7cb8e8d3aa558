// A dialog's tooltips: one text per control, switched on and off together by toolTipCtrl.
// Windows caps a tip at 400 pixels wide; GTK wraps long tips by itself and offers no such cap.
#pragma once

#include <string_view>
#include <utility>
#include <vector>

#include <wx/modalhook.h>
#include <wx/string.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include "res/tooltip_entry.h"

namespace mirelon {

class TooltipSet {
 public:
  // `utf8` with CR LF breaks, as the texts are written; controls missing from `dialog` are skipped.
  void Add(wxWindow* dialog, const std::vector<int>& ids, std::string_view utf8);
  void Add(wxWindow* dialog, const std::vector<res::TooltipEntry>& entries);
  void Add(wxWindow* control, const wxString& text);
  // The control's text from now on, in place of any it had.
  void Change(wxWindow* control, const wxString& text);
  void Activate(bool on);
  void Clear() { entries_.clear(); }

 private:
  std::vector<std::pair<wxWindow*, wxString>> entries_;
  bool active_ = false;
};

// While a modal dialog or message is open, no tooltip of the windows behind it stays on the
// screen: GTK keeps a shown tooltip until the pointer moves in its window, which the modal window
// prevents. Their tooltips come back when it closes. Registered once by the application.
class TooltipsOffWhileModal final : public wxModalDialogHook {
 protected:
  int Enter(wxDialog* dialog) override;
  void Exit(wxDialog* dialog) override;

 private:
  using Hidden = std::vector<std::pair<wxWeakRef<wxWindow>, wxString>>;
  std::vector<Hidden> hidden_;  // one entry per open modal window
};

}  // namespace mirelon
