// The POSIX side's own view of a started process: its id, for matching its windows.
#pragma once

#include <sys/types.h>

#include "platform/process.h"

namespace mirelon {

// The process id of a process this side started (0 for any other StartedProcess).
pid_t ProcessIdOf(const StartedProcess& process);

}  // namespace mirelon
