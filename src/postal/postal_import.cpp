#include "postal/postal_import.h"

#include <optional>
#include <string>
#include <system_error>

#include "book/book_files.h"
#include "book/safe_file.h"
#include "postal/postal_files.h"
#include "postal/public_postal_file.h"
#include "text/cp932.h"

namespace mirelon {

namespace {

std::string FaultMessage(const std::filesystem::path& path, PublicPostalKind kind, const PublicPostalConversion& result) {
  std::string text = PathText(path) + "\r\n";
  const std::string line = std::to_string(result.faultLine);
  switch (result.fault) {
    case PublicPostalFault::NotPostalRow:
      text += line + Sjis(kind == PublicPostalKind::Address ? " 行目が住所の郵便番号データ (KEN_ALL.CSV) の形式ではありません"
                                                            : " 行目が事業所の個別郵便番号データ (JIGYOSYO.CSV) の形式ではありません");
      break;
    case PublicPostalFault::Unreadable:
      text += line + Sjis(" 行目に読めない文字があります");
      break;
    case PublicPostalFault::NoRows:
      text += Sjis("郵便番号データがありません");
      break;
    case PublicPostalFault::None:
      break;
  }
  return text + Sjis("\r\n郵便番号データは書き込みませんでした");
}

// Reads and converts one public file; reports and returns the outcome when it cannot.
PostalImportOutcome Convert(const std::filesystem::path& path, PublicPostalKind kind, UserPrompt& prompt,
                            const PostalImportProgress& progress, PublicPostalConversion& conversion) {
  const std::optional<std::string> bytes = ReadFileAs<char>(path);
  if (!bytes) {
    prompt.Message(OpenFailureMessage(path));
    return PostalImportOutcome::OpenFailed;
  }
  conversion = ConvertPublicPostalFile(*bytes, kind, [&](size_t lines) {
    if (progress) progress(path, lines);
  });
  if (conversion.ok()) return PostalImportOutcome::Imported;
  prompt.Message(FaultMessage(path, kind, conversion));
  return PostalImportOutcome::NotPostalData;
}

bool Write(const std::filesystem::path& path, const std::string& bytes, UserPrompt& prompt) {
  if (ReplaceFile(path, bytes) == FileIoResult::Done) return true;
  prompt.Message(PathText(path) + Sjis("\r\nファイルの書き込みに失敗しました"));
  return false;
}

}  // namespace

PostalImportResult ImportPostalData(const PostalImportRequest& request, UserPrompt& prompt,
                                    const PostalImportProgress& progress) {
  PostalImportResult result;
  PublicPostalConversion address;
  PublicPostalConversion business;
  result.outcome = Convert(request.addressFile, PublicPostalKind::Address, prompt, progress, address);
  if (result.outcome == PostalImportOutcome::Imported && !request.businessFile.empty()) {
    result.outcome = Convert(request.businessFile, PublicPostalKind::Business, prompt, progress, business);
  }
  if (result.outcome != PostalImportOutcome::Imported) return result;

  std::error_code error;
  std::filesystem::create_directories(request.folder, error);
  const std::filesystem::path addressTarget = request.folder / kWideAddressFileName;
  if (!Write(addressTarget, address.wideBytes, prompt) ||
      (!request.businessFile.empty() &&
       !Write(BusinessFilePath(addressTarget, true), business.wideBytes, prompt))) {
    result.outcome = PostalImportOutcome::WriteFailed;
    return result;
  }
  result.addressRows = address.rows;
  result.businessRows = business.rows;
  return result;
}

}  // namespace mirelon
