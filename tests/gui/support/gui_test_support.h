// Support for the GUI tests (run under xvfb-run): event pumping, control look-up by number,
// synthetic user input, and answers to modal dialogs with wxTEST_DIALOG. An unexpected modal
// dialog fails the test and is answered with Cancel instead of waiting for a user.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include <wx/dialog.h>
#include <wx/window.h>

namespace mirelon::test {
class GuiTestHook;
}
#define wxTEST_DIALOG_HOOK_CLASS mirelon::test::GuiTestHook
#include <wx/testing.h>

#include "gui/kit/message_box.h"
#include "gui/kit/wx_text.h"

namespace mirelon::test {

class GuiTestHook : public wxTestingModalHook {
 public:
  GuiTestHook(const char* file, int line, const char* func) : wxTestingModalHook(file, line, func) {}

 protected:
  int Enter(wxDialog* dialog) override;
  void ReportFailure(const wxString& message) override;
};

// Lets queued and GTK events run.
void Pump();

// While one exists, modal dialogs run as they would for a user instead of being failed and
// cancelled: for platform dialogs that wxTEST_DIALOG cannot answer (GTK's print dialog is GTK's own
// window), which the test then answers with simulated keys.
class AllowModalDialogs {
 public:
  AllowModalDialogs();
  ~AllowModalDialogs();
  AllowModalDialogs(const AllowModalDialogs&) = delete;
  AllowModalDialogs& operator=(const AllowModalDialogs&) = delete;
  static bool Allowed();
};

// The control numbered `id` in `window`; fails the test when it is missing or of another kind.
template <class T>
T& ControlOf(wxWindow* window, int id) {
  T* control = dynamic_cast<T*>(window->FindWindow(id));
  if (control == nullptr) {
    ADD_FAILURE() << "control " << id << " missing or of another kind";
    throw std::runtime_error("missing control");
  }
  return *control;
}

// The user's actions, as the controls report them.
void Type(wxWindow* window, int id, std::string_view utf8);  // replaces the text, change event sent
void Click(wxWindow* window, int id);
void Select(wxWindow* window, int id, int index);  // drop-down list or combo box
void PressKey(wxWindow* window, int keyCode, int modifiers = 0);  // through the dialog's char hook

// Real input through the X server (wxUIActionSimulator), for faults in the event path: the
// native controls see these keys and clicks as a user's. The window is raised and given the
// focus first; events are pumped until the X server's answers have arrived.
void Settle();
void PressRealKey(wxWindow* window, int id, int keyCode);  // with control `id` focused
void TypeReal(wxWindow* window, int id, const char* ascii);  // select all, then type
// Left click (or right click) at `at`, relative to the control's top left corner.
void ClickReal(wxWindow* window, int id, wxPoint at, bool right = false);
void ClickReal(wxWindow* window, int id);  // in the middle

// Windows shown above all others (tooltips, menus) on the screen now (<system>/shown_popups.cpp).
int ShownPopups();

// An environment variable set (or, for a null `value`, removed) for the life of the object, then
// put back.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  std::optional<std::string> previous_;
};

// Control text as UTF-8.
std::string TextOf(wxWindow* window, int id);
std::string LabelOf(wxWindow* window, int id);

// Answers a message box after checking its exact text (UTF-8, line breaks as LF).
class ExpectMessage : public wxExpectModalBase<MessageBoxDialog, ExpectMessage> {
 public:
  ExpectMessage(std::string_view utf8, int answer) : text_(U8(utf8)), answer_(answer) {}

 protected:
  int OnInvoked(MessageBoxDialog* dialog) const override {
    EXPECT_EQ(std::string(dialog->Message().utf8_str()), std::string(text_.utf8_str()));
    return answer_;
  }

 private:
  wxString text_;
  int answer_;
};

// Runs `action` on a modal dialog of type T instead of showing it; its result is ShowModal's.
template <class T>
class ExpectDialog : public wxExpectModalBase<T, ExpectDialog<T>> {
 public:
  explicit ExpectDialog(std::function<int(T&)> action) : action_(std::move(action)) {}

 protected:
  int OnInvoked(T* dialog) const override { return action_(*dialog); }

 private:
  std::function<int(T&)> action_;
};

}  // namespace mirelon::test
