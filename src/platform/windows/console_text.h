// Text for a console window: the bytes a command-line program writes, in UTF-8 or CP932, are
// turned into characters and handed on whole (a character cut between two writes waits for its
// rest), so the console shows Japanese whatever its code page.
#pragma once

#include <functional>
#include <streambuf>
#include <string>
#include <string_view>

namespace mirelon {

class ConsoleTextBuffer final : public std::streambuf {
 public:
  // `codePage` is CP_UTF8 or 932; `show` receives the characters, each piece complete.
  ConsoleTextBuffer(unsigned codePage, std::function<void(std::wstring_view)> show);
  ~ConsoleTextBuffer() override;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* bytes, std::streamsize count) override;

 private:
  // Shows what is complete of the pending bytes; with `all`, the rest too.
  void Show(bool all);

  unsigned codePage_;
  std::function<void(std::wstring_view)> show_;
  std::string pending_;
};

}  // namespace mirelon
