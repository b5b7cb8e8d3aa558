#include "support/host.h"

#include <windows.h>

namespace mirelon::test {

// wine's ntdll tells its version; Windows' has no such entry.
bool UnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace mirelon::test
