// Here arguments are bytes as they were given, and standard streams have no text mode.
#include "platform/program_entry.h"

#include <iostream>
#include <vector>

// A terminal shows the bytes in its own encoding, as a file would keep them.
mirelon::StandardStreams mirelon::TextStreams(TextOutputEncoding) { return {&std::cout, &std::cerr}; }

int main(int argc, char** argv) {
  const std::vector<std::filesystem::path> arguments(argv + 1, argv + argc);
  return mirelon::ProgramMain(arguments);
}
