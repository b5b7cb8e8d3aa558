#include "support/host.h"

namespace mirelon::test {

bool UnderWine() { return false; }

}  // namespace mirelon::test
