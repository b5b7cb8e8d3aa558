// Where mirelon-tool's output goes: a command's results to one stream; the program's messages (CP932)
// and the tool's own (UTF-8) to another, one per message; both in UTF-8 or, with --sjis, in CP932.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "book/user_prompt.h"

namespace mirelon::tool {

class ToolOutput final : public UserPrompt {
 public:
  ToolOutput(std::ostream& results, std::ostream& messages, bool sjis, bool utf8Books = false, bool force = false)
      : results_(results), messages_(messages), sjis_(sjis), utf8Books_(utf8Books), force_(force) {}

  // A message box of the program is printed. A question is answered OK/Yes and not printed: the
  // command line is the user's consent.
  bool Show(std::string_view text, PromptButtons buttons) override;
  // A question whose Yes gives up data is printed, and answered Yes only with --force.
  bool ConfirmLoss(std::string_view text) override;

  // A message of the tool's own.
  void Report(std::string_view utf8);

  // A line of progress (UTF-8) that the next progress line overwrites; the next message starts on
  // a line of its own.
  void Progress(std::string_view utf8);

  // A result text given in CP932, printed in the encoding the user asked for.
  void PrintResult(std::string_view cp932);
  std::ostream& results() { return results_; }
  // Whether a book file in UTF-8 is read (--utf8) rather than refused.
  bool readsUtf8Books() const { return utf8Books_; }

 private:
  void Print(std::string_view encoded);

  std::ostream& results_;
  std::ostream& messages_;
  bool sjis_;
  bool utf8Books_;
  bool force_;
  size_t progressWidth_ = 0;  // bytes of the progress line on display, 0 when none
};

}  // namespace mirelon::tool
