#include "gui/app/help_page.h"

#include "gui/app/bounded_wait.h"
#include "gui/kit/message_box.h"
#include "platform/desktop.h"
#include "platform/process.h"
#include "platform/user_folders.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

// The desktop's opener hands the page to a browser and ends; a browser it runs itself may stay.
constexpr std::chrono::milliseconds kBrowserStartLimit{5000};

}  // namespace

std::filesystem::path ManualPage() { return ProgramDataFolder() / "manual" / "index.html"; }

void OpenInBrowser(const std::filesystem::path& page) {
  const std::unique_ptr<StartedProcess> browser = StartedProcess::Start(BrowserCommand(page));
  if (browser) WaitWhile([&] { return browser->Running(); }, kBrowserStartLimit);
  if (!browser || (!browser->Running() && !browser->Succeeded())) ShowMessageBox("ブラウザの起動に失敗しました"_sjis);
}

}  // namespace mirelon
