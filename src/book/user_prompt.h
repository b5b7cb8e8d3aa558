// How core operations talk to the user: the GUI shows message boxes, tests record the texts,
// mirelon-tool prints them. Texts are CP932 with CR LF line breaks, exactly as shown.
#pragma once

#include <string>
#include <string_view>

namespace mirelon {

enum class PromptButtons {
  Ok,
  OkCancel,  // OK is the default answer
  YesNo,     // はい is the default answer
  // Questions whose OK or はい throws something away: the default answer keeps it, so that a
  // Return typed without reading (or an input method's second Return) loses nothing.
  OkCancelDefaultCancel,
  YesNoDefaultNo,
};

class UserPrompt {
 public:
  virtual ~UserPrompt() = default;
  // Shows `text`; returns true for OK or Yes, false for Cancel or No.
  virtual bool Show(std::string_view text, PromptButtons buttons) = 0;
  void Message(std::string_view text) { Show(text, PromptButtons::Ok); }
};

}  // namespace mirelon
