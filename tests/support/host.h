// What the tests need to know of the system they run on, beyond what the program knows.
#pragma once

namespace mirelon::test {

// Whether the tests run under wine: its files live on a Linux file system, where a name holds
// at most 255 bytes of UTF-8 (wine cuts a longer one without an error), and where access lists
// bind nobody.
bool UnderWine();

}  // namespace mirelon::test
