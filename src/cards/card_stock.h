// The card stocks and their fixed geometry, in millimetres from the card's top-left corner with the
// address side up: the postal-code boxes printed on the cards and the area the stamp needs.
#pragma once

#include <span>

namespace mirelon {

inline constexpr double kCardWidthMm = 100.0;
inline constexpr double kCardHeightMm = 148.0;
// The stamp (top-left) stays clear of everything.
inline constexpr double kStampWidthMm = 35.0;
inline constexpr double kStampHeightMm = 70.0;

// Stored by number in the settings: keep the values.
enum class CardStock {
  Ordinary = 0,    // an ordinary postcard: recipient boxes printed, no sender boxes
  NewYear = 1,     // a New-Year card: recipient and sender boxes printed
  PlainPaper = 2,  // plain paper of card size: every box is drawn by the program
};
inline constexpr CardStock kLastCardStock = CardStock::PlainPaper;

struct BoxRect {
  double left;
  double top;
  double width;
  double height;
  double CentreX() const { return left + width / 2; }
  double CentreY() const { return top + height / 2; }
};

// The seven boxes of the recipient's code, left to right.
std::span<const BoxRect> RecipientCodeBoxes();
// The seven small boxes of the sender's code, left to right.
std::span<const BoxRect> SenderCodeBoxes();

// Whether the stock has (printed or drawn) boxes for the sender's code.
bool HasSenderBoxes(CardStock stock);
// Whether the card itself carries the boxes; on plain paper they are part of the printout.
bool BoxesPreprinted(CardStock stock);

}  // namespace mirelon
