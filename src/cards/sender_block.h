// The sender at the lower left: the code in the small boxes when the stock has them (else one
// line under the block), the address in columns, the names beside it.
#pragma once

#include <vector>

#include "cards/card_cells.h"
#include "cards/card_settings.h"

namespace mirelon {

void AddSenderBlock(const SenderAddress& sender, CardStock stock, NumberStyle style, std::vector<CardCell>& cells);

// The lower-left room the sender block keeps within, as the recipient's names must keep out of it.
inline constexpr double kSenderRight = 36.0;
inline constexpr double kSenderTop = 80.0;
inline constexpr double kSenderCodeDigitPt = 10.0;

}  // namespace mirelon
