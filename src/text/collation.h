// Japanese collation of registration names: kana readings in Japanese order, hiragana, katakana and
// half-width katakana of one reading side by side; two names are equal only when they are the same
// name, so order and equality agree.
#pragma once

#include <string>
#include <string_view>

namespace mirelon {

// <0, 0 or >0 as a collates before, equal to or after b.
int CollateNames(std::string_view a, std::string_view b);

// A byte key whose plain byte comparison gives the same order as CollateNames, for callers that
// compare one name against many.
std::string CollationKey(std::string_view name);

}  // namespace mirelon
