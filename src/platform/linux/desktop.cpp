// X11: the top-level windows are read from the server. On Wayland a program cannot see other
// programs' windows; only X11 clients (through XWayland) can be found there, so a miss is reported
// as Unavailable and the caller falls back to watching the process it started.
#include "platform/desktop.h"

#include "platform/linux/process_id.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace mirelon {
namespace {

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};

// Windows may vanish while they are read; such a read just fails. The handler is the process's
// (the toolkit has its own), so it is replaced only while the windows are read.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

class ScopedErrorHandler {
 public:
  ScopedErrorHandler() : previous_(XSetErrorHandler(IgnoreError)) {}
  ~ScopedErrorHandler() { XSetErrorHandler(previous_); }

 private:
  XErrorHandler previous_;
};

template <class T>
struct XFreeDeleter {
  void operator()(T* data) const { XFree(data); }
};

// The first 32-bit item of a property, if the window has it.
std::optional<long> CardinalProperty(Display* display, Window window, Atom property) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, property, 0, 1, False, AnyPropertyType, &type, &format, &count, &after,
                         &data) != Success) {
    return std::nullopt;
  }
  std::unique_ptr<unsigned char, XFreeDeleter<unsigned char>> owned(data);
  if (type == None || format != 32 || count == 0) return std::nullopt;
  return *reinterpret_cast<long*>(data);
}

// _NET_WM_NAME (UTF-8), else WM_NAME in whatever encoding it was set, as UTF-8.
std::string Title(Display* display, Window window) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1024, False,
                         XInternAtom(display, "UTF8_STRING", False), &type, &format, &count, &after, &data) == Success &&
      data != nullptr) {
    std::unique_ptr<unsigned char, XFreeDeleter<unsigned char>> owned(data);
    if (format == 8 && count > 0) return std::string(reinterpret_cast<char*>(data), count);
  }
  XTextProperty property{};
  if (!XGetWMName(display, window, &property) || property.value == nullptr) return {};
  std::unique_ptr<unsigned char, XFreeDeleter<unsigned char>> value(property.value);
  char** list = nullptr;
  int items = 0;
  if (Xutf8TextPropertyToTextList(display, &property, &list, &items) < Success || list == nullptr) return {};
  std::string title = items > 0 ? list[0] : "";
  XFreeStringList(list);
  return title;
}

// The client window of a top-level window: a window manager puts each program's window into a
// frame of its own, and the program's window is the one carrying WM_STATE. Without a window
// manager the top-level window is the program's.
Window ClientWindow(Display* display, Window topLevel, Atom wmState, int depth = 0) {
  if (CardinalProperty(display, topLevel, wmState)) return topLevel;
  if (depth == 2) return None;
  Window root = None, parent = None, *children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, topLevel, &root, &parent, &children, &count)) return None;
  std::unique_ptr<Window, XFreeDeleter<Window>> owned(children);
  for (unsigned int i = 0; i < count; ++i) {
    if (const Window client = ClientWindow(display, children[i], wmState, depth + 1)) return client;
  }
  return None;
}

// A program's own top-level window as a window manager sees it, never a menu, tooltip or drag
// image (override-redirect) nor a frame.
bool IsVisibleProgramWindow(Display* display, Window topLevel, Window client, Atom wmState) {
  XWindowAttributes frame{}, attributes{};
  if (!XGetWindowAttributes(display, topLevel, &frame) || frame.override_redirect) return false;
  if (!XGetWindowAttributes(display, client, &attributes) || attributes.c_class != InputOutput) return false;
  if (attributes.map_state == IsViewable) return true;
  return CardinalProperty(display, client, wmState) == IconicState;
}

std::string Lowered(std::string text) {
  for (char& c : text) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return text;
}

// WM_CLASS names the program (its instance or class part), or _NET_WM_PID is the started process.
bool BelongsTo(Display* display, Window client, const WindowOwner& owner) {
  const pid_t started = owner.process ? ProcessIdOf(*owner.process) : 0;
  if (started != 0 && CardinalProperty(display, client, XInternAtom(display, "_NET_WM_PID", False)) == started) {
    return true;
  }
  if (owner.programName.empty()) return false;
  XClassHint hint{};
  if (!XGetClassHint(display, client, &hint)) return false;
  std::unique_ptr<char, XFreeDeleter<char>> name(hint.res_name), kind(hint.res_class);
  const std::string wanted = Lowered(owner.programName);
  for (const char* part : {hint.res_name, hint.res_class}) {
    std::string text = Lowered(part != nullptr ? part : "");
    if (text.ends_with(".exe")) text.resize(text.size() - 4);
    if (text == wanted) return true;
  }
  return false;
}

bool WaylandSession() {
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return wayland != nullptr && *wayland != '\0';
}

}  // namespace

WindowSearch FindVisibleWindow(std::string_view title, const WindowOwner& owner) {
  const WindowSearch miss = WaylandSession() ? WindowSearch::Unavailable : WindowSearch::NotFound;
  std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(nullptr));
  if (!display) return WindowSearch::Unavailable;
  ScopedErrorHandler ignoreVanishedWindows;
  const Atom wmState = XInternAtom(display.get(), "WM_STATE", False);
  Window root = None, parent = None, *children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display.get(), DefaultRootWindow(display.get()), &root, &parent, &children, &count)) return miss;
  std::unique_ptr<Window, XFreeDeleter<Window>> owned(children);
  for (unsigned int i = 0; i < count; ++i) {
    Window client = ClientWindow(display.get(), children[i], wmState);
    if (client == None) client = children[i];
    if (Title(display.get(), client) == title && IsVisibleProgramWindow(display.get(), children[i], client, wmState) &&
        BelongsTo(display.get(), client, owner)) {
      return WindowSearch::Found;
    }
  }
  return miss;
}

}  // namespace mirelon
