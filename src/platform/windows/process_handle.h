// The Windows side's own view of a started process: its id, for matching its windows, and a
// process another call started (the shell's, for a page) taken over as a StartedProcess.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/process.h"

namespace mirelon {

// The id of a process this side started (0 for any other StartedProcess).
DWORD ProcessIdOf(const StartedProcess& process);

// Takes over `process`, a handle with at least SYNCHRONIZE and PROCESS_QUERY_LIMITED_INFORMATION
// access; it is closed with the result.
std::unique_ptr<StartedProcess> AdoptProcess(HANDLE process);

}  // namespace mirelon
