// The shell opens the page with the program registered for its kind (".html": the user's
// browser). A browser already running takes the page over and the shell starts nothing, so
// only a process the shell did start is waited for.
#include "platform/browser.h"

#include "platform/windows/process_handle.h"

#include <shellapi.h>

namespace mirelon {

bool OpenPage(const std::filesystem::path& page, const WaitPump& pump) {
  SHELLEXECUTEINFOW open{};
  open.cbSize = sizeof open;
  // No message box of the shell's own: a failure is the caller's to tell.
  open.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  open.lpVerb = L"open";
  open.lpFile = page.c_str();
  open.nShow = SW_SHOWNORMAL;
  if (!ShellExecuteExW(&open)) return false;
  if (open.hProcess == nullptr) return true;
  const std::unique_ptr<StartedProcess> browser = AdoptProcess(open.hProcess);
  return browser->WaitUntilIdle(kBrowserStartLimit, [] { return true; }, pump) || browser->Running();
}

}  // namespace mirelon
