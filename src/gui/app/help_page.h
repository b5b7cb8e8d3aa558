// "オンライン解説": Mirelon's own manual, one page installed with the program, in the user's browser.
#pragma once

#include <filesystem>

class wxWindow;

namespace mirelon {

// share/mirelon/manual/index.html beside the program (the build tree has the same layout).
std::filesystem::path ManualPage();

// Opens `page` in the desktop's browser; "ブラウザの起動に失敗しました" when the browser could not be
// started or gave up on the page at once.
void OpenInBrowser(const std::filesystem::path& page);

}  // namespace mirelon
