#include "postal/postal_search.h"

#include "postal/postal_files.h"
#include "text/cp932.h"

namespace mirelon {

void PostalSearch::ShowMessage(std::string_view utf8Text) { prompt_.Message(Sjis(utf8Text)); }

void PostalSearch::ReportOpenFailure(const std::filesystem::path& path) { prompt_.Message(OpenFailureMessage(path)); }

PostalDialogAnswer PostalSearch::ShowRows(PostalDialogKind oneRow, PostalDialogKind several,
                                          std::vector<PostalRow> rows, std::string typedAddress,
                                          std::string typedCompany) {
  if (!dialogs_) return {};
  PostalDialogRequest request;
  request.kind = rows.size() == 1 ? oneRow : several;
  request.rows = std::move(rows);
  request.typedAddress = std::move(typedAddress);
  request.typedCompany = std::move(typedCompany);
  request.options = options_;
  PostalDialogAnswer answer = dialogs_->Show(request);
  if (!answer.ok) return answer;
  // An address dialog offers only the prefecture option: the code's form stays as it was.
  if (IsCodeDialog(request.kind)) {
    options_ = answer.options;
  } else {
    options_.kenmeiNashi = answer.options.kenmeiNashi;
  }
  return answer;
}

void PostalSearch::CollapseDuplicatePair(std::vector<PostalRow>& rows) {
  if (rows.size() == 2 && rows[0] == rows[1]) rows.pop_back();
}

}  // namespace mirelon
