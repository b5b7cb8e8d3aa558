#include "tool/tool_output.h"

#include "text/cp932.h"

namespace mirelon::tool {

bool ToolOutput::Show(std::string_view text, PromptButtons buttons) {
  if (buttons == PromptButtons::Ok) Print(sjis_ ? std::string(text) : Cp932ToUtf8(text));
  return true;
}

bool ToolOutput::ConfirmLoss(std::string_view text) {
  Print(sjis_ ? std::string(text) : Cp932ToUtf8(text));
  Report(force_ ? "--force: 置き換えます" : "置き換えませんでした (--force を付けると置き換えます)");
  return force_;
}

void ToolOutput::Report(std::string_view utf8) { Print(sjis_ ? Utf8ToCp932(utf8).bytes : std::string(utf8)); }

void ToolOutput::Progress(std::string_view utf8) {
  std::string text = sjis_ ? Utf8ToCp932(utf8).bytes : std::string(utf8);
  const size_t width = text.size();
  // Blanks over the rest of a longer line before.
  if (width < progressWidth_) text.append(progressWidth_ - width, ' ');
  messages_ << '\r' << text << std::flush;
  progressWidth_ = width;
}

void ToolOutput::PrintResult(std::string_view cp932) { results_ << (sjis_ ? std::string(cp932) : Cp932ToUtf8(cp932)); }

void ToolOutput::Print(std::string_view encoded) {
  // Message boxes break lines with CR LF; a terminal and a script want one line end.
  std::string text;
  for (size_t i = 0; i < encoded.size(); ++i) {
    if (encoded[i] == '\r' && i + 1 < encoded.size() && encoded[i + 1] == '\n') continue;
    text += encoded[i];
  }
  if (progressWidth_ > 0) messages_ << '\n';
  progressWidth_ = 0;
  messages_ << text << '\n' << std::flush;
}

}  // namespace mirelon::tool
