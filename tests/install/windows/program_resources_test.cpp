// What Windows reads from the programs themselves: the manifest (current controls, the screen's
// scale, long paths), the version information Explorer shows, and the GUI program's icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Resource(HMODULE module, int type, LPCWSTR name) {
  HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(type));
  return found ? std::string(static_cast<const char*>(LockResource(LoadResource(module, found))),
                             SizeofResource(module, found))
               : std::string();
}

std::wstring VersionText(const wchar_t* path, const std::wstring& key) {
  std::string info(GetFileVersionInfoSizeW(path, nullptr), '\0');
  void* value = nullptr;
  UINT length = 0;
  if (info.empty() || !GetFileVersionInfoW(path, 0, static_cast<DWORD>(info.size()), info.data()) ||
      !VerQueryValueW(info.data(), (L"\\StringFileInfo\\041104B0\\" + key).c_str(), &value, &length)) {
    return {};
  }
  return static_cast<const wchar_t*>(value);
}

TEST(ProgramResources, EachProgramTellsWindowsWhatItIs) {
  const struct {
    const wchar_t* path;
    const wchar_t* description;
    char icons;  // images in the icon group that comes first
  } programs[] = {{MIRELON_GUI_EXE, L"Mirelon 年賀状住所録", 6}, {MIRELON_TOOL_EXE, L"Mirelon 住所録のコマンドラインツール", 0}};
  for (const auto& program : programs) {
    SCOPED_TRACE(testing::Message() << program.path);
    HMODULE module = LoadLibraryExW(program.path, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr) << GetLastError();
    const std::string manifest = Resource(module, 24, MAKEINTRESOURCEW(1));  // RT_MANIFEST
    for (const char* part : {"Microsoft.Windows.Common-Controls", "<dpiAware", "<longPathAware", "asInvoker"}) {
      EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
    const std::string icons = Resource(module, 14, L"AAA_MIRELON");  // RT_GROUP_ICON: count at byte 4
    EXPECT_EQ(icons.size() > 4 ? icons[4] : 0, program.icons);
    FreeLibrary(module);
    EXPECT_EQ(VersionText(program.path, L"FileDescription"), program.description);
    EXPECT_EQ(VersionText(program.path, L"ProductVersion"), MIRELON_VERSION);
  }
}

}  // namespace
