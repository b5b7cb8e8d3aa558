#include "gui/app/help_page.h"

#include <wx/utils.h>

#include "gui/app/bounded_wait.h"
#include "gui/kit/message_box.h"
#include "platform/browser.h"
#include "platform/user_folders.h"
#include "text/cp932.h"

namespace mirelon {

using namespace literals;

std::filesystem::path ManualPage() { return ProgramDataFolder() / "manual" / "index.html"; }

void OpenInBrowser(const std::filesystem::path& page) {
  const wxBusyCursor busy;
  if (!OpenPage(page, KeepWindowsPainted)) ShowMessageBox("ブラウザの起動に失敗しました"_sjis);
}

}  // namespace mirelon
