// X11: a plain top-level window whose class is the executable's name, as a toolkit sets it, with
// the process id a toolkit gives it.
#include "gui/app/stand_in_window.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace mirelon::test {

struct StandInWindow::Native {
  Display* display = nullptr;
  Window window = 0;
};

StandInWindow::StandInWindow(const std::string& title, const std::string& windowClass, bool hidden)
    : native_(new Native) {
  std::string name = windowClass.empty() ? std::filesystem::read_symlink("/proc/self/exe").filename().string() : windowClass;
  Display* display = native_->display = XOpenDisplay(nullptr);
  if (display == nullptr) std::exit(2);
  const Window window = native_->window = XCreateSimpleWindow(display, DefaultRootWindow(display), 600, 400, 200, 80,
                                                              1, BlackPixel(display, 0), WhitePixel(display, 0));
  XStoreName(display, window, title.c_str());
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), XInternAtom(display, "UTF8_STRING", False),
                  8, PropModeReplace, reinterpret_cast<const unsigned char*>(title.data()), static_cast<int>(title.size()));
  XClassHint hint{name.data(), name.data()};
  XSetClassHint(display, window, &hint);
  const long pid = getpid();
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&pid), 1);
  if (!hidden) XMapWindow(display, window);
  XSync(display, False);
}

StandInWindow::~StandInWindow() {
  XDestroyWindow(native_->display, native_->window);
  XCloseDisplay(native_->display);
  delete native_;
}

void StandInWindow::Serve() { std::this_thread::sleep_for(std::chrono::milliseconds(20)); }

}  // namespace mirelon::test
