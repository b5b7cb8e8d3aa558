// Windows keeps the command line in UTF-16: it is split by the system's own rules, and the C
// runtime's narrow argv (in the ANSI code page, losing what it cannot hold) is never read. The
// standard streams leave text mode, so "\r\n" is not written as "\r\r\n"; a console window gets
// characters through WriteConsoleW.
#include "platform/program_entry.h"

#include <windows.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <optional>
#include <vector>

#include "platform/windows/console_text.h"

namespace mirelon {
namespace {

// The console window behind a standard handle, or none (a file, a pipe).
HANDLE ConsoleBehind(DWORD which) {
  HANDLE handle = GetStdHandle(which);
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode) ? handle : nullptr;
}

class ConsoleStream {
 public:
  ConsoleStream(HANDLE console, unsigned codePage)
      : buffer_(codePage, [console](std::wstring_view text) {
          DWORD written = 0;
          WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
        }),
        stream_(&buffer_) {}
  std::ostream* stream() { return &stream_; }

 private:
  ConsoleTextBuffer buffer_;
  std::ostream stream_;
};

}  // namespace

StandardStreams TextStreams(TextOutputEncoding encoding) {
  const unsigned codePage = encoding == TextOutputEncoding::Cp932 ? 932 : CP_UTF8;
  // They live until the program's end, and show their last bytes then.
  static std::optional<ConsoleStream> out;
  static std::optional<ConsoleStream> err;
  StandardStreams streams{&std::cout, &std::cerr};
  if (HANDLE console = ConsoleBehind(STD_OUTPUT_HANDLE)) streams.out = out.emplace(console, codePage).stream();
  if (HANDLE console = ConsoleBehind(STD_ERROR_HANDLE)) streams.err = err.emplace(console, codePage).stream();
  return streams;
}

}  // namespace mirelon

int main() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  int count = 0;
  wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
  if (words == nullptr) return 1;
  const std::vector<std::filesystem::path> arguments(words + (count > 0 ? 1 : 0), words + count);
  LocalFree(words);
  return mirelon::ProgramMain(arguments);
}
