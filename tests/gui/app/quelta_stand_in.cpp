// The sibling program as the tests need it: started in its folder, it notes how it was started
// (started.txt: the argument count, the arguments and its working folder), carries out the task
// in quelta-task.txt there, shows a top-level window titled "Quelta", and exits once a file named
// quit appears (or after a minute, so that a failed test leaves nothing behind).
// Its window is the system's own (<system>/stand_in_window.cpp): on X11 its class (WM_CLASS) is
// the executable's name, as a toolkit sets it, and it carries the process id; on Windows its class
// begins with "Afx:", as the sibling's framework names it. Task lines:
//   title TEXT           the window's title instead of "Quelta"
//   class NAME           the window's class instead (another program's window)
//   hidden               the window is created but never shown
//   append FILE TEXT     TEXT and CR LF added at the end of FILE (a new record)
//   drop-last FILE       the last line of FILE removed (a record gone)
//   remove FILE          FILE deleted
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "gui/app/stand_in_window.h"

namespace {

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

void DropLastLine(const std::filesystem::path& path) {
  std::string bytes = ReadFile(path);
  if (!bytes.empty() && bytes.back() == '\n') bytes.pop_back();
  const size_t end = bytes.find_last_of('\n');
  bytes.resize(end == std::string::npos ? 0 : end + 1);
  WriteFile(path, bytes);
}

}  // namespace

int main(int argc, char** argv) {
  {
    std::ofstream started("started.txt", std::ios::binary | std::ios::app);
    started << argc << "\n";
    for (int i = 0; i < argc; ++i) started << argv[i] << "\n";
    started << std::filesystem::current_path().string() << "\n";
  }
  std::string title = "Quelta";
  std::string windowClass;
  bool hidden = false;
  std::ifstream task("quelta-task.txt");
  for (std::string line; std::getline(task, line);) {
    std::istringstream words(line);
    std::string verb, file;
    words >> verb >> file;
    std::string rest;
    std::getline(words >> std::ws, rest);
    if (verb == "title") title = file + (rest.empty() ? "" : " " + rest);
    if (verb == "hidden") hidden = true;
    if (verb == "class") windowClass = file;
    if (verb == "append") std::ofstream(file, std::ios::binary | std::ios::app) << rest << "\r\n";
    if (verb == "drop-last") DropLastLine(file);
    if (verb == "remove") std::filesystem::remove(file);
  }

  {
    mirelon::test::StandInWindow window(title, windowClass, hidden);
    WriteFile("ready", "");
    const auto end = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!std::filesystem::exists("quit") && std::chrono::steady_clock::now() < end) window.Serve();
    std::filesystem::remove("quit");
  }
  return 0;
}
