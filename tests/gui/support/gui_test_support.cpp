#include "gui/support/gui_test_support.h"

#include <wx/app.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

namespace mirelon::test {

int GuiTestHook::Enter(wxDialog* dialog) {
  const int answer = wxTestingModalHook::Enter(dialog);
  return answer == wxID_NONE ? wxID_CANCEL : answer;  // never wait for a user under Xvfb
}

void GuiTestHook::ReportFailure(const wxString& message) { ADD_FAILURE() << message.utf8_str(); }

namespace {
int gAllowedModalDialogs = 0;
}  // namespace

AllowModalDialogs::AllowModalDialogs() { ++gAllowedModalDialogs; }
AllowModalDialogs::~AllowModalDialogs() { --gAllowedModalDialogs; }
bool AllowModalDialogs::Allowed() { return gAllowedModalDialogs > 0; }

void Pump() {
  for (int round = 0; round < 3; ++round) {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->Yield(true);
  }
}

void Type(wxWindow* window, int id, std::string_view utf8) {
  ControlOf<wxTextEntry>(window, id).SetValue(U8(utf8));
  Pump();
}

void Click(wxWindow* window, int id) {
  wxWindow& control = ControlOf<wxWindow>(window, id);
  wxCommandEvent click(wxEVT_BUTTON, id);
  click.SetEventObject(&control);
  control.ProcessWindowEvent(click);
  Pump();
}

void Select(wxWindow* window, int id, int index) {
  wxWindow& control = ControlOf<wxWindow>(window, id);
  auto* choice = dynamic_cast<wxComboBox*>(&control) == nullptr ? dynamic_cast<wxChoice*>(&control) : nullptr;
  if (choice != nullptr) {
    choice->SetSelection(index);
  } else {
    ControlOf<wxComboBox>(window, id).SetSelection(index);
  }
  wxCommandEvent event(choice != nullptr ? wxEVT_CHOICE : wxEVT_COMBOBOX, id);
  event.SetInt(index);
  event.SetEventObject(&control);
  control.ProcessWindowEvent(event);
  Pump();
}

void PressKey(wxWindow* window, int keyCode, int modifiers) {
  wxKeyEvent key(wxEVT_CHAR_HOOK);
  key.m_keyCode = keyCode;
  key.m_controlDown = (modifiers & wxMOD_CONTROL) != 0;
  key.m_shiftDown = (modifiers & wxMOD_SHIFT) != 0;
  key.SetEventObject(window);
  window->ProcessWindowEvent(key);
  Pump();
}

void Settle() {
  for (int round = 0; round < 12; ++round) {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->Yield(true);
    wxMilliSleep(10);
  }
}

namespace {

// Raises the control's window and moves the pointer to `at` in the control.
wxWindow& PointAt(wxWindow* window, int id, wxPoint at) {
  wxWindow& control = ControlOf<wxWindow>(window, id);
  wxGetTopLevelParent(&control)->Raise();
  wxUIActionSimulator().MouseMove(control.GetScreenRect().GetPosition() + at);
  Settle();
  return control;
}

void FocusControl(wxWindow* window, int id) {
  PointAt(window, id, wxPoint(2, 2)).SetFocus();
  Settle();
}

}  // namespace

void PressRealKey(wxWindow* window, int id, int keyCode) {
  FocusControl(window, id);
  wxUIActionSimulator().Char(keyCode);
  Settle();
}

void TypeReal(wxWindow* window, int id, const char* ascii) {
  FocusControl(window, id);
  wxUIActionSimulator keyboard;
  keyboard.Char('A', wxMOD_CONTROL);
  keyboard.Text(ascii);
  Settle();
}

void ClickReal(wxWindow* window, int id, wxPoint at, bool right) {
  PointAt(window, id, at);
  wxUIActionSimulator().MouseClick(right ? wxMOUSE_BTN_RIGHT : wxMOUSE_BTN_LEFT);
  Settle();
}

void ClickReal(wxWindow* window, int id) {
  const wxSize size = ControlOf<wxWindow>(window, id).GetSize();
  ClickReal(window, id, wxPoint(size.x / 2, size.y / 2));
}

// wx sets the C library's copy of the environment too, which getenv reads on every system.
ScopedEnvironment::ScopedEnvironment(const char* name, const char* value) : name_(name) {
  wxString old;
  if (wxGetEnv(name, &old)) previous_ = old.utf8_str();
  if (value != nullptr) {
    wxSetEnv(name, wxString::FromUTF8(value));
  } else {
    wxUnsetEnv(name);
  }
}

ScopedEnvironment::~ScopedEnvironment() {
  if (previous_) {
    wxSetEnv(name_, wxString::FromUTF8(*previous_));
  } else {
    wxUnsetEnv(name_);
  }
}

std::string TextOf(wxWindow* window, int id) {
  // A combo box is a choice too on GTK: its text is what counts.
  wxWindow& control = ControlOf<wxWindow>(window, id);
  if (auto* entry = dynamic_cast<wxTextEntry*>(&control)) return std::string(entry->GetValue().utf8_str());
  return std::string(ControlOf<wxChoice>(window, id).GetStringSelection().utf8_str());
}

std::string LabelOf(wxWindow* window, int id) {
  return std::string(ControlOf<wxWindow>(window, id).GetLabel().utf8_str());
}

}  // namespace mirelon::test
