#include "platform/process.h"

#include <spawn.h>
#include <sys/wait.h>

#include <thread>

extern char** environ;

namespace mirelon {

std::unique_ptr<StartedProcess> StartedProcess::Start(const std::vector<std::string>& arguments,
                                                      const std::filesystem::path& workingFolder) {
  if (arguments.empty()) return nullptr;
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!workingFolder.empty()) posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
  pid_t id = 0;
  // glibc reports a failed chdir or exec here, as the spawn's result.
  const int error = posix_spawnp(&id, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return nullptr;
  return std::unique_ptr<StartedProcess>(new StartedProcess(id));
}

StartedProcess::~StartedProcess() {
  if (ended_) return;
  // The program outlives the object (a browser, the sibling program left open): a thread waits for
  // it so that it does not stay behind as a zombie.
  std::thread([id = id_] { waitpid(id, nullptr, 0); }).detach();
}

bool StartedProcess::Running() {
  if (ended_) return false;
  int status = 0;
  const pid_t result = waitpid(id_, &status, WNOHANG);
  if (result == 0) return true;
  ended_ = true;
  exitStatus_ = result == id_ && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return false;
}

}  // namespace mirelon
