// The entry of a command-line program, the platform's way: the system's main (a wide one where
// the system keeps command lines in UTF-16) hands the arguments on as paths, which hold them in the
// system's own encoding, with standard output and error in binary mode, so that "\r\n" written is
// "\r\n" read. A program linking mirelon_program_entry defines ProgramMain instead of main.
#pragma once

#include <filesystem>
#include <ostream>
#include <span>

namespace mirelon {

// The arguments after the program's name; returns the exit status.
int ProgramMain(std::span<const std::filesystem::path> arguments);

// How the program's text output is encoded.
enum class TextOutputEncoding { Utf8, Cp932 };

struct StandardStreams {
  std::ostream* out;
  std::ostream* err;
};

// Standard output and error for text in `encoding`. A console window (on Windows) is given the text
// as characters, so it shows Japanese whatever its code page; files, pipes and terminals get the
// bytes unchanged. Call it once.
StandardStreams TextStreams(TextOutputEncoding encoding);

}  // namespace mirelon
