// A postal code on the card: its digits one to a box, never converted like the address.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cards/card_cells.h"
#include "cards/card_stock.h"

namespace mirelon {

// The code's digits (ASCII) when it is 3, 5 or 7 digits, half or full width, with nothing but
// hyphens, spaces or a leading 〒 around them; "" for an empty code; nothing for anything else.
std::optional<std::string> PostalCodeDigits(std::string_view sjis);

// One SideBySide cell per digit, centred in the box of the same place.
void AddBoxDigits(std::string_view digits, std::span<const BoxRect> boxes, double sizePt, std::vector<CardCell>& cells);

}  // namespace mirelon
