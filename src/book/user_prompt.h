// How core operations talk to the user: the GUI shows message boxes, tests record the texts,
// mirelon-tool prints them. Texts are CP932 with CR LF line breaks, exactly as shown.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

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

  // A question whose Yes gives up data (a file that is not a book replaced, data far smaller than
  // the data it replaces). The program asks it; mirelon-tool answers Yes only with --force.
  virtual bool ConfirmLoss(std::string_view text) { return Show(text, PromptButtons::YesNo); }

  // Messages of one kind at once: `summary` (which gives the count) and one line each, shown
  // where the user can copy them. By default one box with every line.
  virtual void MessageList(std::string_view summary, std::span<const std::string> lines);
};

// Holds the messages (OK only) shown through it and passes them on to `target` when it is
// destroyed, or before a question: those that share their first line as one MessageList of their
// other lines, the others as they were, in the order they first came.
class GroupingPrompt final : public UserPrompt {
 public:
  explicit GroupingPrompt(UserPrompt& target) : target_(target) {}
  GroupingPrompt(const GroupingPrompt&) = delete;
  GroupingPrompt& operator=(const GroupingPrompt&) = delete;
  ~GroupingPrompt() override { Flush(); }

  bool Show(std::string_view text, PromptButtons buttons) override;
  bool ConfirmLoss(std::string_view text) override;
  void MessageList(std::string_view summary, std::span<const std::string> lines) override;
  void Flush();

 private:
  UserPrompt& target_;
  std::vector<std::string> held_;
};

}  // namespace mirelon
