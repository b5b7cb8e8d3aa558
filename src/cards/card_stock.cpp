#include "cards/card_stock.h"

#include <array>

namespace mirelon {

namespace {

// The recipient boxes as the post office lays them out: 5.7 x 8.0 mm from 12.0 mm down, the
// rightmost 8.0 mm from the right edge; gaps 1.3 mm (boxes 1-3), 1.9 mm (3-4) and 1.1 mm (4-7).
constexpr double kRecipientTop = 12.0;
constexpr double kRecipientWidth = 5.7;
constexpr double kRecipientHeight = 8.0;
constexpr std::array<BoxRect, 7> kRecipientBoxes = {{
    {44.3, kRecipientTop, kRecipientWidth, kRecipientHeight},
    {51.3, kRecipientTop, kRecipientWidth, kRecipientHeight},
    {58.3, kRecipientTop, kRecipientWidth, kRecipientHeight},
    {65.9, kRecipientTop, kRecipientWidth, kRecipientHeight},
    {72.7, kRecipientTop, kRecipientWidth, kRecipientHeight},
    {79.5, kRecipientTop, kRecipientWidth, kRecipientHeight},
    {86.3, kRecipientTop, kRecipientWidth, kRecipientHeight},
}};

// The sender boxes at the lower left of a New-Year card: 4.0 x 6.0 mm, gaps 0.6 mm and 1.4 mm
// between the third and the fourth.
constexpr double kSenderBoxTop = 127.0;
constexpr double kSenderWidth = 4.0;
constexpr double kSenderHeight = 6.0;
constexpr std::array<BoxRect, 7> kSenderBoxes = {{
    {6.0, kSenderBoxTop, kSenderWidth, kSenderHeight},
    {10.6, kSenderBoxTop, kSenderWidth, kSenderHeight},
    {15.2, kSenderBoxTop, kSenderWidth, kSenderHeight},
    {20.6, kSenderBoxTop, kSenderWidth, kSenderHeight},
    {25.2, kSenderBoxTop, kSenderWidth, kSenderHeight},
    {29.8, kSenderBoxTop, kSenderWidth, kSenderHeight},
    {34.4, kSenderBoxTop, kSenderWidth, kSenderHeight},
}};

}  // namespace

std::span<const BoxRect> RecipientCodeBoxes() { return kRecipientBoxes; }
std::span<const BoxRect> SenderCodeBoxes() { return kSenderBoxes; }

bool HasSenderBoxes(CardStock stock) { return stock != CardStock::Ordinary; }
bool BoxesPreprinted(CardStock stock) { return stock != CardStock::PlainPaper; }

}  // namespace mirelon
