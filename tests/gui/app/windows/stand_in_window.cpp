// Windows: a top-level window whose class begins with "Afx:", as the sibling's framework names the
// classes it registers; its messages are answered, so that the starter's wait for its first idle
// moment ends.
#include "gui/app/stand_in_window.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace mirelon::test {
namespace {

std::wstring Wide(const std::string& utf8) {
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                                                      wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

}  // namespace

struct StandInWindow::Native {
  HWND window = nullptr;
};

StandInWindow::StandInWindow(const std::string& title, const std::string& windowClass, bool hidden)
    : native_(new Native) {
  const std::wstring className = windowClass.empty() ? L"Afx:140000000:b:10003:6:1c0a1b" : Wide(windowClass);
  WNDCLASSW kind{};
  kind.lpfnWndProc = DefWindowProcW;
  kind.hInstance = GetModuleHandleW(nullptr);
  kind.lpszClassName = className.c_str();
  kind.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassW(&kind);
  native_->window = CreateWindowExW(0, className.c_str(), Wide(title).c_str(), WS_OVERLAPPEDWINDOW, 600, 400, 200, 80,
                                    nullptr, nullptr, kind.hInstance, nullptr);
  if (native_->window == nullptr) std::exit(2);
  if (!hidden) ShowWindow(native_->window, SW_SHOWNOACTIVATE);
  UpdateWindow(native_->window);
}

StandInWindow::~StandInWindow() {
  DestroyWindow(native_->window);
  delete native_;
}

void StandInWindow::Serve() {
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace mirelon::test
