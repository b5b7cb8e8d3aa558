#include "cards/card_stock.h"

#include <array>

namespace mirelon {

namespace {

// The recipient boxes, the same on every card, as the postal service's code-box standard lays them
// out (日本郵便「郵便番号・バーコードマニュアル」郵便番号枠, after the JIS standard): 5.7 x 8.0 mm
// from 12.0 mm down, the rightmost 8.0 mm from the right edge (each ±1.5 mm), gaps 1.3 mm
// (boxes 1-3), 1.9 mm (3-4) and 1.1 mm (4-7), measured from the inside of the box lines.
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

// The sender boxes at the lower left of a New-Year card, measured on a card: 4.0 x 6.5 mm from
// 122.5 mm down, a strip of three from 5.2 mm, a 1.0 mm gap for the hyphen, a strip of four from
// 18.2 mm. An ordinary card has no sender boxes (the postal service's card carries the
// recipient's boxes only); plain paper gets these when the sender is printed.
constexpr double kSenderBoxTop = 122.5;
constexpr double kSenderWidth = 4.0;
constexpr double kSenderHeight = 6.5;
constexpr std::array<BoxRect, 7> kSenderBoxes = {{
    {5.2, kSenderBoxTop, kSenderWidth, kSenderHeight},
    {9.2, kSenderBoxTop, kSenderWidth, kSenderHeight},
    {13.2, kSenderBoxTop, kSenderWidth, kSenderHeight},
    {18.2, kSenderBoxTop, kSenderWidth, kSenderHeight},
    {22.2, kSenderBoxTop, kSenderWidth, kSenderHeight},
    {26.2, kSenderBoxTop, kSenderWidth, kSenderHeight},
    {30.2, kSenderBoxTop, kSenderWidth, kSenderHeight},
}};

}  // namespace

std::span<const BoxRect> RecipientCodeBoxes() { return kRecipientBoxes; }
std::span<const BoxRect> SenderCodeBoxes() { return kSenderBoxes; }

bool HasSenderBoxes(CardStock stock) { return stock != CardStock::Ordinary; }
bool BoxesPreprinted(CardStock stock) { return stock != CardStock::PlainPaper; }

}  // namespace mirelon
