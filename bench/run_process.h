// Whole-process benchmarks: a program started and waited for, as a user's shell does.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace mirelon::bench {

// Runs `words` (words[0] a path, or a name looked up on PATH) with standard output and error
// thrown away; true when it exited with one of `accepted`. The processor time the program used
// (user and system) is added to `cpuSeconds`: unlike the time it took, that does not grow while
// other work on the machine holds the processors.
inline bool RunProcess(std::vector<std::string> words, std::vector<int> accepted = {0}, double* cpuSeconds = nullptr) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  int status = 0;
  rusage usage{};
  const bool started = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  if (!started || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status)) return false;
  if (cpuSeconds) {
    *cpuSeconds += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                   static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  }
  for (const int code : accepted) {
    if (WEXITSTATUS(status) == code) return true;
  }
  return false;
}

}  // namespace mirelon::bench
