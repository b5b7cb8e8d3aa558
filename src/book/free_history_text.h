// The free-edit normalisation of a typed history (no wx): whole marks of two bytes, one per
// year, with blank years as "□" and no unknown years at the old end.
#pragma once

#include <string>
#include <string_view>

namespace mirelon {

std::string NormalizeFreeHistory(std::string_view typed);

}  // namespace mirelon
