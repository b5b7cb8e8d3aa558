// Apart from the test helpers that use wx and GoogleTest: Xlib's macros clash with their headers.
#include <X11/Xlib.h>

namespace mirelon::test {

int ShownPopups();

// Mapped override-redirect children of the root window.
int ShownPopups() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 0;
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
  int shown = 0;
  for (unsigned i = 0; i < count; ++i) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
        attributes.override_redirect) {
      ++shown;
    }
  }
  XFree(children);
  XCloseDisplay(display);
  return shown;
}

}  // namespace mirelon::test
