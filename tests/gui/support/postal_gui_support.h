// What the postal window tests share: the user's clicks on check boxes and list lines, and the
// lines of a list box.
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <wx/checkbox.h>
#include <wx/listbox.h>

#include "gui/support/gui_test_support.h"

namespace mirelon::test {

// Sets a check box as a click would and sends its event.
inline void SetCheck(wxWindow* window, int id, bool on) {
  auto& box = ControlOf<wxCheckBox>(window, id);
  box.SetValue(on);
  wxCommandEvent event(wxEVT_CHECKBOX, id);
  event.SetInt(on ? 1 : 0);
  event.SetEventObject(&box);
  box.ProcessWindowEvent(event);
  Pump();
}

// Selects a list box line as a click would and sends its event.
inline void ChooseLine(wxWindow* window, int id, int line) {
  auto& list = ControlOf<wxListBox>(window, id);
  list.SetSelection(line);
  wxCommandEvent event(wxEVT_LISTBOX, id);
  event.SetInt(line);
  event.SetEventObject(&list);
  list.ProcessWindowEvent(event);
  Pump();
}

inline std::vector<std::string> LinesOf(wxWindow* window, int id) {
  std::vector<std::string> lines;
  for (const wxString& line : ControlOf<wxListBox>(window, id).GetStrings()) lines.emplace_back(line.utf8_str());
  return lines;
}

inline bool IsChecked(wxWindow* window, int id) { return ControlOf<wxCheckBox>(window, id).GetValue(); }
inline bool EnabledIn(wxWindow* window, int id) { return window->FindWindow(id)->IsEnabled(); }

// The address file of the data excerpts in either encoding.
inline std::string ExcerptFile(bool unicode) {
  return std::string(MIRELON_TEST_DATA) + (unicode ? "/postal/utf16/QUELTAUNIJUSHO.CSV" : "/postal/sjis/QUELTAJUSHO.CSV");
}

// Names the instances of a suite run on both encodings.
inline std::string EncodingName(const ::testing::TestParamInfo<bool>& info) { return info.param ? "Utf16" : "Sjis"; }

}  // namespace mirelon::test
