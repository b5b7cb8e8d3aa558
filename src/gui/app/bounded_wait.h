// Waiting for another program without freezing the windows: they keep being painted while the
// user's input waits until the wait is over.
#pragma once

#include <chrono>
#include <functional>

namespace mirelon {

// Lets the windows repaint, holding back the user's input: the pump of the platform's waits.
void KeepWindowsPainted();

// Waits while `waiting()` holds, at most `limit`, with the busy cursor. False when the limit ended it.
bool WaitWhile(const std::function<bool()>& waiting, std::chrono::milliseconds limit);

}  // namespace mirelon
