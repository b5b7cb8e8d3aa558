// A program for the process tests, built on the platform's program entry:
//   process_probe REPORT STATUS [ARGUMENT...]  writes its arguments and working folder to REPORT
//                                              (UTF-8, a line each) and exits with STATUS;
//   process_probe --sleep MILLISECONDS         runs that long and exits with 0;
//   process_probe --lock FILE MILLISECONDS     holds a FileLock on FILE that long, then exits;
//   process_probe --hold FILE MILLISECONDS     keeps FILE open for reading that long (on Windows
//                                              the C runtime shares it for reading and writing,
//                                              not for deletion or replacement), then exits.
#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "platform/file_system.h"
#include "platform/program_entry.h"
#include "platform/utf8_path.h"

int mirelon::ProgramMain(std::span<const std::filesystem::path> arguments) {
  if (arguments.size() < 2) return 100;
  const auto milliseconds = [](const std::filesystem::path& word) {
    return std::chrono::milliseconds(std::stoi(PathToUtf8(word)));
  };
  if (PathToUtf8(arguments[0]) == "--sleep") {
    std::this_thread::sleep_for(milliseconds(arguments[1]));
    return 0;
  }
  if (PathToUtf8(arguments[0]) == "--lock" && arguments.size() == 3) {
    const FileLock lock = FileLock::Acquire(arguments[1], std::chrono::seconds(5));
    std::this_thread::sleep_for(milliseconds(arguments[2]));
    return lock.state() == FileLock::State::Held ? 0 : 1;
  }
  if (PathToUtf8(arguments[0]) == "--hold" && arguments.size() == 3) {
    const std::ifstream held(arguments[1], std::ios::binary);
    std::this_thread::sleep_for(milliseconds(arguments[2]));
    return held.is_open() ? 0 : 1;
  }
  std::ofstream report(arguments[0], std::ios::binary);
  for (const std::filesystem::path& argument : arguments.subspan(2)) report << PathToUtf8(argument) << '\n';
  report << PathToUtf8(std::filesystem::current_path()) << '\n';
  return std::stoi(PathToUtf8(arguments[1]));
}
