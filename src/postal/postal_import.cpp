#include "postal/postal_import.h"

#include <algorithm>
#include <optional>
#include <vector>
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
    case PublicPostalFault::CutLastLine:
      text += line + Sjis(" 行目 (最後の行) が途中で切れています");
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

// Rows of a data file in the folder: its UTF-16 line feeds.
size_t RowsOf(const std::filesystem::path& path) {
  const std::optional<std::u16string> units = ReadFileAs<char16_t>(path);
  return units ? static_cast<size_t>(std::count(units->begin(), units->end(), u'\n')) : 0;
}

bool TakesFewerRows(const std::filesystem::path& target, size_t rows, UserPrompt& prompt) {
  const size_t current = RowsOf(target);
  if (rows * 2 >= current) return true;
  return prompt.ConfirmLoss(PathText(target) + Sjis("\r\nいまの郵便番号データは ") + std::to_string(current) +
                            Sjis(" 件ですが、新しいデータは ") + std::to_string(rows) +
                            Sjis(" 件しかありません\r\n置き換えますか？"));
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
  if (!TakesFewerRows(addressTarget, address.rows, prompt)) {
    result.outcome = PostalImportOutcome::Declined;
    return result;
  }
  std::vector<FileContent> files{{addressTarget, address.wideBytes}};
  if (!request.businessFile.empty()) files.push_back({BusinessFilePath(addressTarget, true), business.wideBytes});
  const ReplaceOutcome written = ReplaceFiles(files);
  if (written.result != FileIoResult::Done) {
    prompt.Message(PathText(files[written.failed].path) + Sjis("\r\nファイルの書き込みに失敗しました") +
                   ReasonLine(written.reason));
    result.outcome = PostalImportOutcome::WriteFailed;
    return result;
  }
  result.addressRows = address.rows;
  result.businessRows = business.rows;
  return result;
}

}  // namespace mirelon
