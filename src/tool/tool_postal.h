// What the postal commands share: the engine a data file's name selects, and a prompt that prints
// the program's messages and remembers whether there was one.
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

#include "postal/postal_search.h"
#include "tool/tool_output.h"

namespace mirelon::tool {

class CountingPrompt final : public UserPrompt {
 public:
  explicit CountingPrompt(ToolOutput& out) : out_(out) {}
  bool Show(std::string_view text, PromptButtons buttons) override {
    ++count_;
    return out_.Show(text, buttons);
  }
  int count() const { return count_; }

 private:
  ToolOutput& out_;
  int count_ = 0;
};

// The UTF-16 engine for a file named "QUELTAUNIJUSHO.CSV", the Shift-JIS one for any other.
std::unique_ptr<PostalSearch> PostalEngineFor(const std::filesystem::path& addressFile, UserPrompt& prompt,
                                              PostalResultDialogs* dialogs);

}  // namespace mirelon::tool
