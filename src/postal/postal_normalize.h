// The steps that bring typed text and data-file text to one form before they are compared: blanks
// out and full width, kana and Latin letters folded, company-form words dropped, the prefecture
// split off. Each step exists for CP932 text and for WideText with the same results.
#pragma once

#include <string>
#include <string_view>

#include "postal/wide_text.h"

namespace mirelon {

// Fold class bits (FoldForMatch's mask and result).
inline constexpr int kFoldKana = 1;
inline constexpr int kFoldLatin = 2;
inline constexpr int kFoldAll = kFoldKana | kFoldLatin;

// The seven half-width digits of a typed postal code (any width, any hyphens or marks around
// them), or empty when there are not exactly seven digits.
std::string NormalizePostalCode(std::string_view typed);

// Removes half-width spaces, tabs and full-width spaces, then maps the text to full width.
void NormalizeInput(std::string& text);
void NormalizeInput(WideText& text);

// Folds the classes of `mask` that occur in the text (ケ ヶ to ガ and 之 乃 to ノ first, hiragana to
// katakana, small letters to capitals, small kana to large) and returns the classes found: fold the
// typed text with kFoldAll and every data-file text with the result.
int FoldForMatch(std::string& text, int mask);
int FoldForMatch(WideText& text, int mask);

// Drops "株式会社", "（株）", "　", "（", "）" and "・"; the NoSpace form keeps "　" (for text
// that NormalizeInput has already cleared of spaces).
void StripCompanyWords(std::string& text);
void StripCompanyWords(WideText& text);
void StripCompanyWordsNoSpace(std::string& text);
void StripCompanyWordsNoSpace(WideText& text);

template <class Text>
struct PrefectureSplit {
  Text prefecture;  // empty when the text does not begin with one of PrefectureNames()
  Text remainder;
};
PrefectureSplit<std::string> SplitPrefecture(const std::string& address);
PrefectureSplit<WideText> SplitPrefecture(const WideText& address);

// The part before the first block number ("１" to "９"), or empty when there is none or it stands
// at the start.
std::string LeadBeforeBlockNumber(const std::string& remainder);
WideText LeadBeforeBlockNumber(const WideText& remainder);

// A row's town area as the address search compares it: empty for the catch-all row ("場合"), cut
// before a bracketed qualifier, empty for a list of several areas ("、").
std::string TownAreaForMatch(const std::string& townArea);
WideText TownAreaForMatch(const WideText& townArea);

// A business row's name as the company search compares it: company words dropped, cut before a
// "、" that is not its first character, folded with `mask`.
std::string BusinessNameForMatch(const std::string& name, int mask);
WideText BusinessNameForMatch(const WideText& name, int mask);

}  // namespace mirelon
