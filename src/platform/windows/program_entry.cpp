// Windows keeps the command line in UTF-16: it is split by the system's own rules, and the C
// runtime's narrow argv (in the ANSI code page, losing what it cannot hold) is never read. The
// standard streams leave text mode, so "\r\n" is not written as "\r\r\n".
#include "platform/program_entry.h"

#include <windows.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <vector>

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
