#include "tool/program_file.h"

namespace mirelon::test {

// Plain ASCII, which a book could be: only the execute bit says it is a program.
ProgramFile SystemProgramFile() { return {"#!/bin/sh\nexit 0\n", std::filesystem::perms::owner_all}; }

}  // namespace mirelon::test
