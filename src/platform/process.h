// Starting another program: always with an argument vector (never through a shell, so no path or
// page address is ever parsed as a command line) and a working folder, then watching it without
// blocking, so the caller can keep its display alive while it waits.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace mirelon {

class StartedProcess {
 public:
  // Starts arguments[0] (looked up on PATH when it holds no '/') with `arguments` as its argument
  // vector, in `workingFolder` (the caller's when empty). Null when the program could not be
  // started: no such file, not executable, or the folder cannot be entered.
  static std::unique_ptr<StartedProcess> Start(const std::vector<std::string>& arguments,
                                               const std::filesystem::path& workingFolder = {});

  // A program still running is left running; it is reaped in the background when it ends.
  ~StartedProcess();
  StartedProcess(const StartedProcess&) = delete;
  StartedProcess& operator=(const StartedProcess&) = delete;

  int Id() const { return id_; }
  // Looks without waiting. Once it reports false the program has ended and Succeeded() tells how.
  bool Running();
  // True when the program ended by returning 0.
  bool Succeeded() const { return ended_ && exitStatus_ == 0; }

 private:
  explicit StartedProcess(int id) : id_(id) {}

  int id_;
  bool ended_ = false;
  int exitStatus_ = -1;  // the exit code, or -1 when a signal ended it
};

}  // namespace mirelon
