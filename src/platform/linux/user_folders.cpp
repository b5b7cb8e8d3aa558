#include "platform/user_folders.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

namespace mirelon {

namespace {

std::filesystem::path Environment(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? std::filesystem::path(value) : std::filesystem::path();
}

std::filesystem::path Home() { return Environment("HOME"); }

// An XDG base folder: the variable when it holds an absolute path (relative ones are to be ignored),
// else the default below the home folder.
std::filesystem::path BaseFolder(const char* variable, const char* homeRelative) {
  const std::filesystem::path set = Environment(variable);
  if (set.is_absolute()) return set;
  const std::filesystem::path home = Home();
  return home.empty() ? std::filesystem::path() : home / homeRelative;
}

// XDG_DOCUMENTS_DIR="$HOME/Dokumente" in user-dirs.dirs: a quoted value that may start with $HOME/.
std::filesystem::path DocumentsFromUserDirs() {
  std::ifstream file(UserConfigFolder() / "user-dirs.dirs");
  const std::string key = "XDG_DOCUMENTS_DIR=\"";
  for (std::string line; std::getline(file, line);) {
    if (line.rfind(key, 0) != 0) continue;
    const size_t end = line.rfind('"');
    if (end <= key.size()) return {};
    std::string value = line.substr(key.size(), end - key.size());
    if (value.rfind("$HOME", 0) == 0) return Home().string() + value.substr(5);
    return std::filesystem::path(value).is_absolute() ? std::filesystem::path(value) : std::filesystem::path();
  }
  return {};
}

}  // namespace

std::filesystem::path ProgramExecutablePath() {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : path;
}

std::filesystem::path UserDocumentsFolder() {
  const std::filesystem::path named = DocumentsFromUserDirs();
  std::error_code error;
  if (!named.empty() && std::filesystem::is_directory(named, error)) return named;
  const std::filesystem::path home = Home();
  if (home.empty()) return {};
  if (std::filesystem::is_directory(home / "Documents", error)) return home / "Documents";
  return home;
}

std::filesystem::path UserDataFolder() {
  const std::filesystem::path base = BaseFolder("XDG_DATA_HOME", ".local/share");
  return base.empty() ? base : base / "Mirelon";
}

std::vector<std::filesystem::path> FontFolders() {
  std::vector<std::filesystem::path> folders;
  const std::filesystem::path own = ProgramDataFolder();
  if (!own.empty()) folders.push_back(own / "fonts");
  // Debian's IPA font packages.
  folders.emplace_back("/usr/share/fonts/opentype/ipafont-mincho");
  folders.emplace_back("/usr/share/fonts/opentype/ipafont-gothic");
  folders.emplace_back("/usr/share/fonts/truetype/ipafont");
  return folders;
}

std::filesystem::path UserConfigFolder() { return BaseFolder("XDG_CONFIG_HOME", ".config"); }

}  // namespace mirelon
