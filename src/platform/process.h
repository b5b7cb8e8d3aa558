// Starting another program: always with an argument vector (never through a shell, so no path or
// page address is ever parsed as a command line) and a working folder, then watching it without
// blocking, so the caller can keep its display alive while it waits. Each system implements
// StartedProcess over its own handle of a process.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

namespace mirelon {

// Called between the looks of a wait, so that the caller keeps its windows painted; may be empty.
using WaitPump = std::function<void()>;

// How often a wait looks again.
inline constexpr std::chrono::milliseconds kWaitPollInterval{50};

// Looks at `waiting` every kWaitPollInterval, with `pump` between the looks, while it holds and
// `limit` has not passed. False when the limit ended the wait.
bool PollWhile(const std::function<bool()>& waiting, std::chrono::milliseconds limit, const WaitPump& pump);

class StartedProcess {
 public:
  // Starts arguments[0] (looked up on the system's search path when it is a bare name) with
  // `arguments` as its argument vector, each in the system's encoding, in `workingFolder` (the
  // caller's when empty). Null when the program could not be started: no such file, not
  // executable, or the folder cannot be entered.
  static std::unique_ptr<StartedProcess> Start(const std::vector<std::filesystem::path>& arguments,
                                               const std::filesystem::path& workingFolder = {});

  // A program still running is left running (a browser, the sibling program left open); nothing
  // of it stays behind once it ends.
  virtual ~StartedProcess() = default;

  // Looks without waiting. Once it reports false the program has ended and Succeeded() tells how.
  virtual bool Running() = 0;
  // True when the program ended by returning 0.
  virtual bool Succeeded() const = 0;

  // Waits, at most `limit`, until the program is ready for the user: the system counts it idle
  // for input (where it keeps such a state) and `windowShown()` holds. A program that ended is
  // waited for only when it ended well (it may have handed over to another process, whose window
  // is still to come). True when it became ready.
  virtual bool WaitUntilIdle(std::chrono::milliseconds limit, const std::function<bool()>& windowShown,
                             const WaitPump& pump) = 0;

 protected:
  StartedProcess() = default;
  StartedProcess(const StartedProcess&) = delete;
  StartedProcess& operator=(const StartedProcess&) = delete;
};

}  // namespace mirelon
