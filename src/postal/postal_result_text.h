// The texts the result dialogs compose from a row under the lookup options.
#pragma once

#include <string>
#include <string_view>

#include "postal/postal_result.h"

namespace mirelon {

// The seven-digit code, with "-" after the third digit when `hyphen`, mapped to full width when
// `fullWidth`.
std::string ComposeCodeText(std::string_view code, bool hyphen, bool fullWidth);

// Prefecture (unless omitted), city, town area and, in business rows, the address detail, as
// written into the address: the public list's bracketed qualifiers of a town area ("（１～１９丁目）",
// "（次のビルを除く）", "（その他）") tell rows apart but are no part of an address.
std::string ComposeAddressText(const PostalRow& row, bool omitPrefecture);

// `address` with the row's prefecture taken off its start (`omit`) or put back in front, the
// rest as the user left it.
std::string WithPrefecture(std::string_view address, std::string_view prefecture, bool omit);

// The row's line in the dialog's list box, qualifiers included.
std::string ComposeListLine(PostalDialogKind kind, const PostalRow& row);

}  // namespace mirelon
