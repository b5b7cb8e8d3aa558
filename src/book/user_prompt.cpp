#include "book/user_prompt.h"

#include <algorithm>

#include "text/cp932.h"

namespace mirelon {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

std::string_view FirstLine(std::string_view text) { return text.substr(0, text.find(kLineBreak)); }

std::string_view AfterFirstLine(std::string_view text) {
  const size_t cut = text.find(kLineBreak);
  return cut == std::string_view::npos ? std::string_view() : text.substr(cut + kLineBreak.size());
}

}  // namespace

void UserPrompt::MessageList(std::string_view summary, std::span<const std::string> lines) {
  std::string text(summary);
  for (const std::string& line : lines) text += std::string(kLineBreak) + line;
  Message(text);
}

bool GroupingPrompt::Show(std::string_view text, PromptButtons buttons) {
  if (buttons == PromptButtons::Ok) {
    held_.emplace_back(text);
    return true;
  }
  Flush();
  return target_.Show(text, buttons);
}

bool GroupingPrompt::ConfirmLoss(std::string_view text) {
  Flush();
  return target_.ConfirmLoss(text);
}

void GroupingPrompt::MessageList(std::string_view summary, std::span<const std::string> lines) {
  Flush();
  target_.MessageList(summary, lines);
}

void GroupingPrompt::Flush() {
  std::vector<std::string> held = std::move(held_);
  held_.clear();
  std::vector<bool> passed(held.size(), false);
  for (size_t i = 0; i < held.size(); ++i) {
    if (passed[i]) continue;
    const std::string_view kind = FirstLine(held[i]);
    std::vector<std::string> lines;
    for (size_t j = i; j < held.size(); ++j) {
      if (passed[j] || FirstLine(held[j]) != kind) continue;
      passed[j] = true;
      lines.emplace_back(AfterFirstLine(held[j]));
    }
    if (lines.size() == 1) {
      target_.Message(held[i]);
    } else {
      target_.MessageList(std::string(kind) + Sjis("（") + std::to_string(lines.size()) + Sjis("件）"), lines);
    }
  }
}

}  // namespace mirelon
