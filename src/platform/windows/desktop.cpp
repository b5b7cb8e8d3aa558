// Windows: the top-level windows are enumerated. The sibling program's framework names its
// window classes "Afx:..." after itself, so that prefix is what tells its window from another
// program's window of the same title (a folder of that name open in Explorer); a window of the
// process that was started for it counts too. Every window can be seen here: never Unavailable.
#include "platform/desktop.h"

#include "platform/utf8_path.h"
#include "platform/windows/process_handle.h"

#include <string>

namespace mirelon {
namespace {

constexpr wchar_t kFrameworkClassPrefix[] = L"Afx:";
constexpr int kTitleLength = 300;

struct Search {
  std::wstring title;
  DWORD startedProcess = 0;
  bool found = false;
};

bool Matches(HWND window, const Search& search) {
  // Minimised windows keep their visible style.
  if (!IsWindowVisible(window)) return false;
  wchar_t title[kTitleLength];
  const int length = GetWindowTextW(window, title, kTitleLength);
  if (length <= 0 || search.title != std::wstring_view(title, static_cast<size_t>(length))) return false;
  wchar_t className[256];
  const int classLength = GetClassNameW(window, className, 256);
  if (std::wstring_view(className, static_cast<size_t>(classLength)).starts_with(kFrameworkClassPrefix)) return true;
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  return search.startedProcess != 0 && owner == search.startedProcess;
}

BOOL CALLBACK Look(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<Search*>(parameter);
  search.found = Matches(window, search);
  return !search.found;  // the first match ends the enumeration
}

}  // namespace

WindowSearch FindVisibleWindow(std::string_view title, const WindowOwner& owner) {
  // Titles are converted as names are.
  Search search{PathFromUtf8(title).native(), owner.process ? ProcessIdOf(*owner.process) : 0};
  if (search.title.empty()) return WindowSearch::NotFound;
  EnumWindows(Look, reinterpret_cast<LPARAM>(&search));
  return search.found ? WindowSearch::Found : WindowSearch::NotFound;
}

}  // namespace mirelon
