// Running a command in a test and reading what it printed (pdftotext, pdfinfo).
#pragma once

#include <cstdio>
#include <memory>
#include <string>

namespace mirelon::test {

// Runs `command` and gives what it wrote to its standard output.
inline std::string CommandOutput(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string text;
  char buffer[4096];
  for (size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) text.append(buffer, n);
  return text;
}

}  // namespace mirelon::test
