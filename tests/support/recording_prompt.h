// A UserPrompt for tests: records every text shown and answers from a queue (default: yes).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "book/user_prompt.h"

namespace mirelon::test {

class RecordingPrompt final : public UserPrompt {
 public:
  std::vector<std::string> shown;  // CP932 texts, in order
  std::deque<bool> answers;

  bool Show(std::string_view text, PromptButtons buttons) override {
    shown.emplace_back(text);
    if (buttons == PromptButtons::Ok || answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace mirelon::test
