// What the editor knows of the sibling address-printing program: its executable and folder, and
// the postal data file found for the postal search (UTF-16 or Shift-JIS). Paths are native.
#pragma once

#include <filesystem>

namespace mirelon {

struct SiblingProgramData {
  std::filesystem::path queltaPath;
  std::filesystem::path queltaFolder;
  std::filesystem::path postalDataPath;
  bool postalDataUnicode = true;  // also while no file is found
};

}  // namespace mirelon
