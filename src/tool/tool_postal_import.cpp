// mirelon-tool postal-import: postal data for a user without the sibling program, from the files
// the postal service publishes.
#include <filesystem>
#include <string>

#include "platform/user_folders.h"
#include "postal/postal_import.h"
#include "tool/tool_args.h"
#include "tool/tool_commands.h"
#include "tool/tool_output.h"

namespace mirelon::tool {

int RunPostalImport(const std::vector<std::string>& args, ToolOutput& out) {
  PostalImportRequest request;
  std::string folder;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--to") {
      if (!TakeOptionValue(args, i, folder) || folder.empty()) return kExitUsage;
    } else if (request.addressFile.empty()) {
      request.addressFile = args[i];
    } else if (request.businessFile.empty()) {
      request.businessFile = args[i];
    } else {
      return kExitUsage;
    }
  }
  if (request.addressFile.empty()) return kExitUsage;
  request.folder = folder.empty() ? UserDataFolder() : std::filesystem::path(folder);
  if (request.folder.empty()) {
    out.Report("保存先のフォルダが決まりません (HOME も XDG_DATA_HOME もありません): --to で指定してください");
    return kExitFailure;
  }

  const PostalImportResult result = ImportPostalData(request, out, [&](const std::filesystem::path& file, size_t lines) {
    out.Progress(file.filename().string() + ": " + std::to_string(lines) + " 行");
  });
  if (result.outcome != PostalImportOutcome::Imported) return kExitFailure;
  std::string summary = "住所 " + std::to_string(result.addressRows) + " 件";
  if (!request.businessFile.empty()) summary += "、事業所 " + std::to_string(result.businessRows) + " 件";
  out.Report(summary + "の郵便番号データを " + request.folder.string() + " に書き込みました");
  return kExitSuccess;
}

}  // namespace mirelon::tool
