// A process is its id; it is reaped by whoever sees it end.
#include "platform/process.h"

#include "platform/linux/process_id.h"

#include <spawn.h>
#include <sys/wait.h>

#include <thread>

extern char** environ;

namespace mirelon {
namespace {

class PosixProcess final : public StartedProcess {
 public:
  explicit PosixProcess(pid_t id) : id_(id) {}

  ~PosixProcess() override {
    if (ended_) return;
    // A thread waits for the program so that it does not stay behind as a zombie.
    std::thread([id = id_] { waitpid(id, nullptr, 0); }).detach();
  }

  bool Running() override {
    if (ended_) return false;
    int status = 0;
    const pid_t result = waitpid(id_, &status, WNOHANG);
    if (result == 0) return true;
    ended_ = true;
    exitStatus_ = result == id_ && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return false;
  }

  bool Succeeded() const override { return ended_ && exitStatus_ == 0; }

  // The system keeps no input-idle state of a program: it is ready once its window is shown.
  bool WaitUntilIdle(std::chrono::milliseconds limit, const std::function<bool()>& windowShown,
                     const WaitPump& pump) override {
    PollWhile([&] { return !windowShown() && (Running() || Succeeded()); }, limit, pump);
    return windowShown();
  }

 pid_t id() const { return id_; }

 private:
  pid_t id_;
  bool ended_ = false;
  int exitStatus_ = -1;  // the exit code, or -1 when a signal ended it
};

}  // namespace

pid_t ProcessIdOf(const StartedProcess& process) {
  const auto* posix = dynamic_cast<const PosixProcess*>(&process);
  return posix ? posix->id() : 0;
}

std::unique_ptr<StartedProcess> StartedProcess::Start(const std::vector<std::filesystem::path>& arguments,
                                                      const std::filesystem::path& workingFolder) {
  if (arguments.empty()) return nullptr;
  std::vector<char*> argv;
  for (const std::filesystem::path& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!workingFolder.empty()) posix_spawn_file_actions_addchdir_np(&actions, workingFolder.c_str());
  pid_t id = 0;
  // glibc reports a failed chdir or exec here, as the spawn's result. A name with no '/' is
  // looked up on PATH.
  const int error = posix_spawnp(&id, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) return nullptr;
  return std::make_unique<PosixProcess>(id);
}

}  // namespace mirelon
