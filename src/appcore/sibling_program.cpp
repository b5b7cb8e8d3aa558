#include "appcore/sibling_program.h"

#include <system_error>

#include "appcore/program_settings.h"
#include "platform/desktop.h"
#include "platform/user_folders.h"
#include "postal/postal_files.h"

namespace mirelon {
namespace {

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

}  // namespace

void ReadQueltaPath(const SettingsStore& settings, SiblingProgramData& sibling) {
  sibling = {};
  const std::filesystem::path stored = ReadMiscString(settings, misc::kQueltaPath);
  if (!IsFile(stored)) return;
  sibling.queltaPath = stored.string();
  sibling.queltaFolder = (stored.parent_path() / "").string();
  ProbePostalData(sibling);
}

void ProbePostalData(SiblingProgramData& sibling) {
  PostalDataLocation location{sibling.postalDataPath, sibling.postalDataUnicode};
  PostalDataEnvironment environment;
  environment.fileExists = IsFile;
  environment.documentsFolder = UserDocumentsFolder;
  environment.userDataFolder = UserDataFolder;
  ProbePostalData(location, std::filesystem::path(sibling.queltaFolder), environment);
  sibling.postalDataPath = location.path.string();
  sibling.postalDataUnicode = location.unicode;
}

bool QueltaNeedsChoosing(const SiblingProgramData& sibling) { return !IsFile(sibling.queltaPath); }

std::filesystem::path QueltaChooserStart(const SiblingProgramData& sibling) {
  if (!QueltaNeedsChoosing(sibling)) return sibling.queltaPath;
  return ProgramExecutablePath().parent_path().parent_path();
}

std::unique_ptr<StartedProcess> StartQuelta(const SiblingProgramData& sibling) {
  return StartedProcess::Start({sibling.queltaPath}, sibling.queltaFolder);
}

bool IsQueltaRunning(StartedProcess* started) {
  switch (FindVisibleWindow(kQueltaWindowTitle)) {
    case WindowSearch::Found:
      return true;
    case WindowSearch::NotFound:
      return false;
    case WindowSearch::Unavailable:
      break;
  }
  return started != nullptr && started->Running();
}

}  // namespace mirelon
