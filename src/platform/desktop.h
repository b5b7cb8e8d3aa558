// What the desktop shows of other programs.
#pragma once

#include <string>
#include <string_view>

namespace mirelon {

class StartedProcess;  // process.h

enum class WindowSearch {
  Found,
  NotFound,
  Unavailable,  // other programs' windows cannot be seen here (a Wayland session)
};

// Whose window is looked for: a program by the name it gives its windows' class, and the process
// that was started for it.
struct WindowOwner {
  std::string programName;  // its executable's name without ".exe" ("quelta" for Quelta.exe)
  const StartedProcess* process = nullptr;  // the one started for it, if any
};

// Looks for a visible top-level window whose title is exactly `title` (UTF-8, case-sensitive) and
// that belongs to `owner`: its class names the program (on X11 either part of WM_CLASS, letter
// case and ".exe" aside, as toolkits and Windows compatibility layers name it; on Windows the
// class begins with "Afx:", as the sibling program's framework names its classes, whatever the
// program's name), or the process `owner.process` opened it. Another program's window of that title (a file manager showing a
// folder of that name) does not count. Minimised windows count as visible.
WindowSearch FindVisibleWindow(std::string_view title, const WindowOwner& owner);

}  // namespace mirelon
