// What Windows reads from the programs themselves: the manifest (current controls, the screen's
// scale, long paths), the version information Explorer shows, and the GUI program's icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

struct Program {
  const wchar_t* path;
  std::wstring_view description;
  bool icon;
};

const Program kPrograms[] = {
    {MIRELON_GUI_EXE, L"Mirelon 年賀状住所録", true},
    {MIRELON_TOOL_EXE, L"Mirelon 住所録のコマンドラインツール", false},
};

// Resource types by number: the RT_ names follow the narrow or wide choice of UNICODE.
const LPCWSTR kManifestType = MAKEINTRESOURCEW(24);
const LPCWSTR kIconGroupType = MAKEINTRESOURCEW(14);

std::string Resource(HMODULE module, LPCWSTR type, LPCWSTR name) {
  HRSRC found = FindResourceW(module, name, type);
  if (found == nullptr) return {};
  const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
  return {bytes, SizeofResource(module, found)};
}

std::wstring VersionText(const wchar_t* path, const wchar_t* key) {
  const DWORD size = GetFileVersionInfoSizeW(path, nullptr);
  std::string info(size, '\0');
  if (size == 0 || !GetFileVersionInfoW(path, 0, size, info.data())) return {};
  void* value = nullptr;
  UINT length = 0;
  const std::wstring query = std::wstring(L"\\StringFileInfo\\041104B0\\") + key;
  if (!VerQueryValueW(info.data(), query.c_str(), &value, &length) || length == 0) return {};
  return static_cast<const wchar_t*>(value);
}

TEST(ProgramResources, EachProgramTellsWindowsWhatItIs) {
  for (const Program& program : kPrograms) {
    SCOPED_TRACE(testing::Message() << program.path);
    HMODULE module = LoadLibraryExW(program.path, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr) << GetLastError();
    const std::string manifest = Resource(module, kManifestType, MAKEINTRESOURCEW(1));
    for (const char* part : {"Microsoft.Windows.Common-Controls", "<dpiAware", "<longPathAware", "asInvoker"}) {
      EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
    // The program's own icon comes first, so Explorer and the Start menu show it: six sizes.
    const std::string icons = Resource(module, kIconGroupType, L"AAA_MIRELON");
    EXPECT_EQ(icons.size() > 4 ? icons[4] : 0, program.icon ? 6 : 0);
    FreeLibrary(module);
    EXPECT_EQ(VersionText(program.path, L"FileDescription"), program.description);
    EXPECT_EQ(VersionText(program.path, L"ProductVersion"), MIRELON_VERSION);
  }
}

}  // namespace
