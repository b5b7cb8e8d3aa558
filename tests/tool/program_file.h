// A program as the system knows one, for the tests that a destination file which is no book is
// kept: Linux tells a program by its execute bit, Windows by its content (a .csv name never
// makes a file executable there).
#pragma once

#include <filesystem>
#include <string>

namespace mirelon::test {

struct ProgramFile {
  std::string bytes;
  std::filesystem::perms perms;
};

ProgramFile SystemProgramFile();

}  // namespace mirelon::test
