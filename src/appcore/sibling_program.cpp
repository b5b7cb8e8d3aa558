#include "appcore/sibling_program.h"

#include <system_error>

#include "appcore/program_settings.h"
#include "platform/desktop.h"
#include "platform/utf8_path.h"
#include "platform/user_folders.h"
#include "postal/postal_files.h"
#include "postal/postal_normalize.h"

namespace mirelon {
namespace {

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

PostalDataEnvironment PlatformPostalEnvironment() {
  PostalDataEnvironment environment;
  environment.fileExists = IsFile;
  environment.documentsFolder = UserDocumentsFolder;
  environment.userDataFolder = UserDataFolder;
  return environment;
}

}  // namespace

void ReadQueltaPath(const SettingsStore& settings, SiblingProgramData& sibling) {
  TakeQueltaPath(PathFromUtf8(ReadMiscString(settings, misc::kQueltaPath)), sibling);
}

void TakeQueltaPath(const std::filesystem::path& executable, SiblingProgramData& sibling) {
  sibling = {};
  if (!IsFile(executable)) return;
  sibling.queltaPath = executable;
  sibling.queltaFolder = executable.parent_path();
  ProbePostalData(sibling);
}

void ProbePostalData(SiblingProgramData& sibling) {
  PostalDataLocation location{sibling.postalDataPath, sibling.postalDataUnicode};
  ProbePostalData(location, sibling.queltaFolder, PlatformPostalEnvironment());
  sibling.postalDataPath = location.path;
  sibling.postalDataUnicode = location.unicode;
}

std::string PostalSearchTooltip(const SiblingProgramData& sibling, std::string_view typedCode, std::string_view usual) {
  if (sibling.postalDataPath.empty()) {
    std::string tip = "郵便番号データが見付からないため使用できません。\r\n次の場所を探しました:";
    const auto places = PostalDataPlaces(sibling.queltaFolder, PlatformPostalEnvironment());
    for (const PostalDataPlace& place : places) {
      tip += "\r\n  " + PathToUtf8(place.folder) + "  (" + std::string(kWideAddressFileName) +
             (place.sjisToo ? " または " + std::string(kSjisAddressFileName) : std::string()) + ")";
    }
    if (sibling.queltaFolder.empty()) tip += "\r\n「Quelta 起動」で Quelta を選ぶと、そのフォルダも探します。";
    return tip + "\r\nQuelta がないときは、郵便局の公開データ (KEN_ALL.CSV, JIGYOSYO.CSV) から\r\n"
                 "「mirelon-tool postal-import」で作れます。";
  }
  std::string tip(usual);
  if (!typedCode.empty() && NormalizePostalCode(typedCode).empty()) {
    tip += "\r\n※郵便番号が７桁ではないため、住所または会社・機関等から検索します。";
  }
  return tip;
}

bool QueltaNeedsChoosing(const SiblingProgramData& sibling) { return !IsFile(sibling.queltaPath); }

std::filesystem::path QueltaChooserStart(const SiblingProgramData& sibling) {
  if (!QueltaNeedsChoosing(sibling)) return sibling.queltaPath;
  return ProgramExecutablePath().parent_path().parent_path();
}

std::unique_ptr<StartedProcess> StartQuelta(const SiblingProgramData& sibling) {
  return StartedProcess::Start({sibling.queltaPath}, sibling.queltaFolder);
}

bool IsQueltaRunning(const SiblingProgramData& sibling, StartedProcess* started) {
  const WindowOwner owner{PathToUtf8(sibling.queltaPath.stem()), started};
  switch (FindVisibleWindow(kQueltaWindowTitle, owner)) {
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
