// Importing the public postal-code list into the sibling program's UTF-16 data files, for a user
// who does not have the sibling program. Both files are converted before anything is written, so
// a damaged, cut or foreign file leaves the folder as it was, and both are replaced as one.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>

#include "book/user_prompt.h"

namespace mirelon {

struct PostalImportRequest {
  std::filesystem::path addressFile;   // the public address file (Shift-JIS, or UTF-8)
  std::filesystem::path businessFile;  // the public business file, or empty
  std::filesystem::path folder;        // receives QUELTAUNIJUSHO.CSV (and QUELTAUNIJIGYO.CSV)
};

enum class PostalImportOutcome {
  Imported,
  OpenFailed,     // "%s\r\nファイルのオープンに失敗しました"; nothing written
  NotPostalData,  // the file is damaged or of another kind (reported with the line); nothing written
  WriteFailed,    // the targets could not be written (reported); the old target files are untouched
  Declined,       // far fewer rows than the data in the folder, and the user kept that (asked)
};

struct PostalImportResult {
  PostalImportOutcome outcome = PostalImportOutcome::Imported;
  size_t addressRows = 0;
  size_t businessRows = 0;
};

// Called now and then while a file is read, with the lines read so far.
using PostalImportProgress = std::function<void(const std::filesystem::path& file, size_t linesRead)>;

// Failures are reported through `prompt` (CP932 messages) before returning. A new address file of
// less than half the rows of the one in the folder is taken only when the user agrees
// (UserPrompt::ConfirmLoss): such a file is most likely incomplete.
PostalImportResult ImportPostalData(const PostalImportRequest& request, UserPrompt& prompt,
                                    const PostalImportProgress& progress);

}  // namespace mirelon
