// The desktop's opener (xdg-open) hands the page to the browser the user chose and ends; without a
// desktop it may run a browser itself and stay.
#include "platform/browser.h"

namespace mirelon {

bool OpenPage(const std::filesystem::path& page, const WaitPump& pump) {
  const std::unique_ptr<StartedProcess> opener = StartedProcess::Start({"xdg-open", page});
  if (!opener) return false;
  PollWhile([&] { return opener->Running(); }, kBrowserStartLimit, pump);
  return opener->Running() || opener->Succeeded();
}

}  // namespace mirelon
