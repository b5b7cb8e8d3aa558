#include <thread>

#include "platform/process.h"

namespace mirelon {

bool PollWhile(const std::function<bool()>& waiting, std::chrono::milliseconds limit, const WaitPump& pump) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (waiting()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    if (pump) pump();
    std::this_thread::sleep_for(kWaitPollInterval);
  }
  return true;
}

}  // namespace mirelon
