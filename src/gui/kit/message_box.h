// The program's message boxes: the exact text (CR LF shown as line breaks), Japanese buttons
// (OK / キャンセル, はい / いいえ) whatever the locale, the dialog colour, and the active window
// as parent. MessageBoxPrompt routes the core's UserPrompt through it.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include <wx/dialog.h>

#include "book/user_prompt.h"

namespace mirelon {

class MessageBoxDialog : public wxDialog {
 public:
  MessageBoxDialog(wxWindow* parent, const wxString& text, PromptButtons buttons);
  // The text as shown (line breaks as LF).
  const wxString& Message() const { return message_; }
  PromptButtons Buttons() const { return buttons_; }
  // The answer Return gives.
  int DefaultAnswer() const { return defaultId_; }

 private:
  wxString message_;
  PromptButtons buttons_;
  int defaultId_ = wxID_OK;
};

// True for OK or Yes. `sjis` is CP932 as the core keeps it; `text` is control text.
bool ShowMessageBox(std::string_view sjis, PromptButtons buttons = PromptButtons::Ok);
bool ShowMessageBoxText(const wxString& text, PromptButtons buttons = PromptButtons::Ok);

// `summary` above a read-only list of `lines` that the user can select and copy, and OK.
void ShowMessageList(std::string_view summary, std::span<const std::string> lines);

class MessageBoxPrompt final : public UserPrompt {
 public:
  bool Show(std::string_view text, PromptButtons buttons) override { return ShowMessageBox(text, buttons); }
  void MessageList(std::string_view summary, std::span<const std::string> lines) override {
    ShowMessageList(summary, lines);
  }
};

// The window a modal box of the program belongs to: the active one, else the main window.
wxWindow* ActiveParentWindow();

}  // namespace mirelon
