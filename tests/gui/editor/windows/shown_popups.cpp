// Apart from the test helpers that use wx and GoogleTest, as on the other systems.
#include <windows.h>

namespace mirelon::test {

int ShownPopups();

namespace {

BOOL CALLBACK CountShownPopup(HWND window, LPARAM count) {
  const LONG_PTR extendedStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  if (IsWindowVisible(window) && (extendedStyle & WS_EX_TOPMOST) != 0) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

}  // namespace

// Visible top-level windows that stay above all others.
int ShownPopups() {
  int shown = 0;
  EnumWindows(CountShownPopup, reinterpret_cast<LPARAM>(&shown));
  return shown;
}

}  // namespace mirelon::test
