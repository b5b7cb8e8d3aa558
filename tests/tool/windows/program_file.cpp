#include "tool/program_file.h"

namespace mirelon::test {

// The start of an executable's DOS header.
ProgramFile SystemProgramFile() {
  return {std::string("MZ\x90\0\3\0\0\0\4\0\0\0\xff\xff\0\0", 16),
          std::filesystem::perms::owner_read | std::filesystem::perms::owner_write};
}

}  // namespace mirelon::test
