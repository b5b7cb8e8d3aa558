// The same layout on every system: the programs in bin/, their files in share/mirelon/.
#include "platform/user_folders.h"

namespace mirelon {

std::filesystem::path ProgramDataFolder() {
  const std::filesystem::path executable = ProgramExecutablePath();
  if (executable.empty()) return {};
  return (executable.parent_path().parent_path() / "share" / "mirelon").lexically_normal();
}

}  // namespace mirelon
