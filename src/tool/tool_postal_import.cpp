// mirelon-tool postal-import: postal data for a user without the sibling program, from the files
// the postal service publishes.
#include <filesystem>
#include <string>

#include "platform/user_folders.h"
#include "platform/utf8_path.h"
#include "postal/postal_import.h"
#include "tool/tool_args.h"
#include "tool/tool_commands.h"
#include "tool/tool_output.h"

namespace mirelon::tool {

int RunPostalImport(const std::vector<std::string>& args, ToolOutput& out) {
  PostalImportRequest request;
  std::string folder;
  std::string addressFile;
  std::string businessFile;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--to") {
      if (!TakeOptionValue(args, i, folder) || folder.empty()) return kExitUsage;
    } else if (addressFile.empty()) {
      addressFile = args[i];
    } else if (businessFile.empty()) {
      businessFile = args[i];
    } else {
      return kExitUsage;
    }
  }
  if (addressFile.empty()) return kExitUsage;
  request.addressFile = PathFromUtf8(addressFile);
  if (!businessFile.empty()) request.businessFile = PathFromUtf8(businessFile);
  request.folder = folder.empty() ? UserDataFolder() : PathFromUtf8(folder);
  if (request.folder.empty()) {
    out.Report("ユーザーのデータフォルダが決まりません: --to で保存先を指定してください");
    return kExitFailure;
  }

  const PostalImportResult result = ImportPostalData(request, out, [&](const std::filesystem::path& file, size_t lines) {
    out.Progress(PathToUtf8(file.filename()) + ": " + std::to_string(lines) + " 行");
  });
  if (result.outcome != PostalImportOutcome::Imported) return kExitFailure;
  std::string summary = "住所 " + std::to_string(result.addressRows) + " 件";
  if (!request.businessFile.empty()) summary += "、事業所 " + std::to_string(result.businessRows) + " 件";
  out.Report(summary + "の郵便番号データを " + PathToUtf8(request.folder) + " に書き込みました");
  return kExitSuccess;
}

}  // namespace mirelon::tool
