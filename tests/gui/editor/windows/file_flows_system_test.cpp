// The file flows where only Windows has the means: a file another program holds without sharing
// (an open spreadsheet), and the settings of a fresh account in the registry.
#include <windows.h>

#include "gui/editor/file_flows_fixture.h"
#include "gui/kit/wx_settings_store.h"
#include "list/display_format_settings.h"

namespace mirelon {
namespace {

using namespace literals;
using test::ChooserDeclined;
using test::Cp932Lines;
using test::ExpectMessage;
using test::FileFlowsTest;
using test::FileMessage;
using test::ReadBytes;
using test::Type;
using test::WriteBytes;

// The file opened without sharing for the life of the object, as a spreadsheet holds it.
class HeldWithoutSharing {
 public:
  explicit HeldWithoutSharing(const std::filesystem::path& path)
      : handle_(CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~HeldWithoutSharing() { CloseHandle(handle_); }
  HeldWithoutSharing(const HeldWithoutSharing&) = delete;
  HeldWithoutSharing& operator=(const HeldWithoutSharing&) = delete;
  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

constexpr const char* kHeld = "ファイルのオープンに失敗しました\nほかのプログラムがこのファイルを開いています";

TEST_F(FileFlowsTest, AFileHeldByAnotherProgramIsReportedOnReadAndNoFileIsReplacedOnWrite) {
  const std::string send = Cp932Lines({"アイ,1"});
  const std::string history = Cp932Lines({"2020,×,メモ１,メモ２,", "アイ,,,,,,,送信する,○□,□"});
  WriteBytes(folder_ / "h.csv", send);
  WriteBytes(folder_ / "h_nos.csv", "");
  WriteBytes(folder_ / "h_nen.csv", history);
  Open();
  {
    const HeldWithoutSharing held(folder_ / "h_nos.csv");
    ASSERT_TRUE(held.held());
    wxTEST_DIALOG(Read(), OpenChooser(folder_ / "h.csv"),
                  ExpectMessage(FileMessage(folder_ / "h_nos.csv", kHeld), wxID_OK));
    EXPECT_EQ(book_.recordCount(), 1);
    EXPECT_TRUE(book_.modified);  // what is in memory is not the family on disk
  }

  Type(window_, res::kIdAddress2, "２階");
  const HeldWithoutSharing held(folder_ / "h_nen.csv");
  wxTEST_DIALOG(Write(), ExpectMessage("ファイルに保存します", wxID_OK),
                ExpectMessage(FileMessage(folder_ / "h_nen.csv", kHeld), wxID_OK), ChooserDeclined());
  EXPECT_EQ(ReadBytes(folder_ / "h.csv"), send);
  EXPECT_TRUE(book_.modified);
}

// Reads a value of the current user's registry as UTF-8; empty when it is not there.
std::string RegistryText(const wchar_t* key, const wchar_t* name) {
  wchar_t value[512];
  DWORD size = sizeof value;
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) return {};
  return PathToUtf8(std::filesystem::path(value));
}

// The current user's registry redirected to a fresh key for the life of the object: an account
// where the program has never stored anything, and the user's own settings left alone.
class FreshUserRegistry {
 public:
  FreshUserRegistry() {
    RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &root_, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, root_);
  }
  ~FreshUserRegistry() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(root_);
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
  }
  FreshUserRegistry(const FreshUserRegistry&) = delete;
  FreshUserRegistry& operator=(const FreshUserRegistry&) = delete;

 private:
  static constexpr const wchar_t* kKey = L"Software\\Mirelon test account";
  HKEY root_ = nullptr;
};

// The settings go to the registry key of the vendor and the program, a section a key below it,
// as the sibling program's users find them, and come back verbatim, variables and all.
TEST(UserSettings, TheLastFileIsRememberedFromTheFirstStart) {
  const FreshUserRegistry fresh;
  const wchar_t* misc = L"Software\\Ovrin Applications\\Mirelon\\Misc";
  ASSERT_EQ(RegistryText(misc, L"recentFile"), "");
  const std::pair<const char*, const char*> values[] = {
      {misc::kRecentFile, "C:\\住所録\\表.csv"},
      {"queltaPath", "%ProgramFiles%\\Quelta\\quelta.exe"},
      {"settingFile", "~/$HOME/${USER}/一覧.ini"},
  };
  WxSettingsStore store;
  for (const auto& [name, value] : values) store.SetString(misc::kSection, name, value);
  StoreListSettings(store, DisplayFormat{}, true);
  for (const auto& [name, value] : values) {
    EXPECT_EQ(WxSettingsStore().GetString(misc::kSection, name, ""), value) << name;
  }
  EXPECT_EQ(RegistryText(misc, L"recentFile"), "C:\\住所録\\表.csv");
  HKEY list = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Ovrin Applications\\Mirelon\\List", 0, KEY_READ, &list),
            ERROR_SUCCESS);
  RegCloseKey(list);
}

}  // namespace
}  // namespace mirelon
