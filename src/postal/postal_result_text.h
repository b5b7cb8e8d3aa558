// The texts the result dialogs compose from a row under the lookup options.
#pragma once

#include <string>
#include <string_view>

#include "postal/postal_result.h"

namespace mirelon {

// The seven-digit code, with "-" after the third digit when `hyphen`, mapped to full width when
// `fullWidth`.
std::string ComposeCodeText(std::string_view code, bool hyphen, bool fullWidth);

// Prefecture (unless omitted), city, town area and, in business rows, the address detail.
std::string ComposeAddressText(const PostalRow& row, bool omitPrefecture);

// The row's line in the dialog's list box.
std::string ComposeListLine(PostalDialogKind kind, const PostalRow& row);

}  // namespace mirelon
