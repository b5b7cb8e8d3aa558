// Where mirelon-tool's messages go: the program's messages (CP932) and the tool's own (UTF-8) are
// printed to one stream, one per message, in UTF-8 or, with --sjis, in CP932.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "book/user_prompt.h"

namespace mirelon::tool {

class ToolOutput final : public UserPrompt {
 public:
  ToolOutput(std::ostream& messages, bool sjis) : messages_(messages), sjis_(sjis) {}

  // A message box of the program is printed. A question is answered OK/Yes and not printed: the
  // command line is the user's consent.
  bool Show(std::string_view text, PromptButtons buttons) override;

  // A message of the tool's own.
  void Report(std::string_view utf8);

  // Whether the user asked for CP932 (--sjis), for commands that print texts of their own.
  bool sjis() const { return sjis_; }

 private:
  void Print(std::string_view encoded);

  std::ostream& messages_;
  bool sjis_;
};

}  // namespace mirelon::tool
