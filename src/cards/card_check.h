// The check before printing: every chosen card that would come out wrong, named by its page and
// registration name, so the user can mend the records or print anyway.
#pragma once

#include <string>
#include <vector>

#include "cards/card_layout.h"

namespace mirelon {

class AddressBook;

// Which characters the fonts of the cards can draw (the renderer knows; tests fake it).
class GlyphCoverage {
 public:
  virtual ~GlyphCoverage() = default;
  virtual bool Covers(char16_t c) const = 0;
};

enum class CardProblemKind {
  NoPostalCode,        // the boxes stay empty
  UnreadablePostalCode,
  ShortPostalCode,     // 3 or 5 digits: some boxes stay empty
  NoName,              // nothing in the name fields
  CompanyWithoutName,  // a company or department and no one in it: 御中 is what it wants
  EmptyHonorific,
  MissingCharacter,    // no font has it, it is a private-use 外字, or its bytes do not decode
  NameNotLargest,
};

struct CardProblem {
  int page;                      // counted from 1 in the order the cards print; 0: every card (the sender)
  std::string registrationName;  // CP932
  CardProblemKind kind;
  std::string detail;  // UTF-8, the sentence after the name
};

// `records` (book indices) in the order they print, `cards` their layouts with `settings`.
std::vector<CardProblem> CheckCards(const AddressBook& book, const std::vector<int>& records,
                                    const std::vector<CardLayout>& cards, const CardSettings& settings,
                                    const GlyphCoverage& coverage);

// "3 枚目 あおき: 郵便番号がありません(枠は空欄のまま印刷します)", or "全部のはがき: " and the detail for
// what every card shares (UTF-8).
std::string CardProblemLine(const CardProblem& problem);

}  // namespace mirelon
