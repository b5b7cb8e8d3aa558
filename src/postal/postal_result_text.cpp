#include "postal/postal_result_text.h"

#include "text/cp932.h"
#include "text/sjis.h"
#include "text/text_mapping.h"

namespace mirelon {

namespace {

constexpr size_t kHyphenAfter = 3;

// Every "（…）" of the text left out, character by character (a trail byte may look like a bracket's
// lead byte); an unclosed one runs to the end.
std::string WithoutQualifiers(std::string_view text) {
  static const std::string kOpen = Sjis("（");
  static const std::string kClose = Sjis("）");
  std::string result;
  int depth = 0;
  for (size_t i = 0; i < text.size();) {
    const size_t length = IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
    const std::string_view c = text.substr(i, length);
    i += length;
    if (c == kOpen) {
      ++depth;
    } else if (c == kClose && depth > 0) {
      --depth;
    } else if (depth == 0) {
      result += c;
    }
  }
  return result;
}

std::string RowPlace(const PostalRow& row, bool omitPrefecture, bool qualifiers) {
  return (omitPrefecture ? std::string() : row.prefecture) + row.city +
         (qualifiers ? row.townArea : WithoutQualifiers(row.townArea)) + row.detail;
}

}  // namespace

std::string ComposeCodeText(std::string_view code, bool hyphen, bool fullWidth) {
  std::string text(code);
  if (hyphen && code.size() > kHyphenAfter) {
    text = std::string(code.substr(0, kHyphenAfter)) + "-" + std::string(code.substr(kHyphenAfter));
  }
  return fullWidth ? ToFullWidth(text) : text;
}

std::string ComposeAddressText(const PostalRow& row, bool omitPrefecture) {
  return RowPlace(row, omitPrefecture, false);
}

std::string WithPrefecture(std::string_view address, std::string_view prefecture, bool omit) {
  const bool has = !prefecture.empty() && address.starts_with(prefecture);
  if (omit) return std::string(has ? address.substr(prefecture.size()) : address);
  return has ? std::string(address) : std::string(prefecture) + std::string(address);
}

std::string ComposeListLine(PostalDialogKind kind, const PostalRow& row) {
  std::string line = RowPlace(row, false, true);
  if (IsBusinessDialog(kind)) line += Sjis("　") + row.businessName;
  return IsCodeDialog(kind) ? row.code + " " + line : line;
}

}  // namespace mirelon
