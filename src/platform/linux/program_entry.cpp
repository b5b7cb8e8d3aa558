// Here arguments are bytes as they were given, and standard streams have no text mode.
#include "platform/program_entry.h"

#include <vector>

int main(int argc, char** argv) {
  const std::vector<std::filesystem::path> arguments(argv + 1, argv + argc);
  return mirelon::ProgramMain(arguments);
}
