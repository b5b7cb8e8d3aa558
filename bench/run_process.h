// Whole-process benchmarks: a program started and waited for, as a user's shell does.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

namespace mirelon::bench {

// Runs `words` (words[0] a path, or a name looked up on PATH) with standard output and error
// thrown away; true when it exited with one of `accepted`.
inline bool RunProcess(std::vector<std::string> words, std::vector<int> accepted = {0}) {
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  int status = 0;
  const bool started = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  if (!started || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return false;
  for (const int code : accepted) {
    if (WEXITSTATUS(status) == code) return true;
  }
  return false;
}

}  // namespace mirelon::bench
