// Waiting for another program without freezing the windows: they keep being painted while the
// user's input waits until the wait is over.
#pragma once

namespace mirelon {

// Lets the windows repaint, holding back the user's input: the pump of the platform's waits.
void KeepWindowsPainted();

}  // namespace mirelon
