#include "postal/postal_result_text.h"

#include "text/cp932.h"
#include "text/text_mapping.h"

namespace mirelon {

namespace {
constexpr size_t kHyphenAfter = 3;
}

std::string ComposeCodeText(std::string_view code, bool hyphen, bool fullWidth) {
  std::string text(code);
  if (hyphen && code.size() > kHyphenAfter) {
    text = std::string(code.substr(0, kHyphenAfter)) + "-" + std::string(code.substr(kHyphenAfter));
  }
  return fullWidth ? ToFullWidth(text) : text;
}

std::string ComposeAddressText(const PostalRow& row, bool omitPrefecture) {
  return (omitPrefecture ? std::string() : row.prefecture) + row.city + row.townArea + row.detail;
}

std::string ComposeListLine(PostalDialogKind kind, const PostalRow& row) {
  std::string line = ComposeAddressText(row, false);
  if (IsBusinessDialog(kind)) line += Sjis("　") + row.businessName;
  return IsCodeDialog(kind) ? row.code + " " + line : line;
}

}  // namespace mirelon
