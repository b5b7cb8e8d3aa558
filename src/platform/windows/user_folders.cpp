// The shell's known folders; the program's own files are found from its module's path.
#include "platform/user_folders.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <string>

namespace mirelon {

namespace {

std::filesystem::path KnownFolder(REFKNOWNFOLDERID folder) {
  wchar_t* path = nullptr;
  std::filesystem::path result;
  if (SUCCEEDED(SHGetKnownFolderPath(folder, KF_FLAG_DEFAULT, nullptr, &path))) result = path;
  CoTaskMemFree(path);
  return result;
}

}  // namespace

std::filesystem::path ProgramExecutablePath() {
  // The call cuts a path longer than the buffer without saying so but by filling it.
  for (DWORD size = MAX_PATH;; size *= 2) {
    std::wstring path(size, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), size);
    if (length == 0) return {};
    if (length < size) return path.substr(0, length);
    if (size >= 32768) return {};
  }
}

std::filesystem::path UserDocumentsFolder() { return KnownFolder(FOLDERID_Documents); }

// Data of the program's own (postal data imported by the user) is large and this machine's: the
// local, not the roaming, application data.
std::filesystem::path UserDataFolder() {
  const std::filesystem::path base = KnownFolder(FOLDERID_LocalAppData);
  return base.empty() ? base : base / L"Mirelon";
}

std::vector<std::filesystem::path> FontFolders() {
  std::vector<std::filesystem::path> folders;
  const std::filesystem::path own = ProgramDataFolder();
  if (!own.empty()) folders.push_back(own / L"fonts");
  if (std::filesystem::path system = KnownFolder(FOLDERID_Fonts); !system.empty()) folders.push_back(system);
  return folders;
}

std::filesystem::path UserConfigFolder() { return KnownFolder(FOLDERID_RoamingAppData); }

}  // namespace mirelon
