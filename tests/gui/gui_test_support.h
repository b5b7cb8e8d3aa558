// Support for the GUI tests (run under xvfb-run): event pumping, control look-up by number,
// synthetic user input, and answers to modal dialogs with wxTEST_DIALOG. An unexpected modal
// dialog fails the test and is answered with Cancel instead of waiting for a user.
#pragma once

#include <functional>
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
