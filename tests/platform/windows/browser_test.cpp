// The shell opens a page with the program registered for its kind (for ".html" the user's
// browser): a kind of the test's own, registered for the user (the class root writes to the
// user's classes where the machine's may not be written), opens with the probe program.
#include "platform/browser.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/utf8_path.h"
#include "support/temp_folder.h"

namespace mirelon {
namespace {

using namespace std::chrono_literals;

void SetDefault(const std::wstring& key, const std::wstring& value) {
  HKEY opened = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(opened);
}

TEST(Browser, ThePageOpensWithTheProgramRegisteredForItsKind) {
  test::TempFolder root;
  const std::filesystem::path report = root.path() / L"report.txt";
  SetDefault(L".mirelontest", L"Mirelon.TestPage");
  SetDefault(L"Mirelon.TestPage\\shell\\open\\command",
             L"\"" + PathFromUtf8(MIRELON_PROCESS_PROBE).native() + L"\" \"" + report.native() + L"\" 0 \"%1\"");
  const std::filesystem::path page = root.path() / PathFromUtf8("解説 表.mirelontest");
  test::WriteBytes(page, "");
  EXPECT_TRUE(OpenPage(page));
  PollWhile([&] { return !std::filesystem::exists(report); }, 5s, {});
  EXPECT_EQ(test::ReadBytes(report).substr(0, PathToUtf8(page).size() + 1), PathToUtf8(page) + "\n");
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Mirelon.TestPage");
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L".mirelontest");

  EXPECT_FALSE(OpenPage(root.path() / L"page.mirelon-unregistered"));
}

}  // namespace
}  // namespace mirelon
