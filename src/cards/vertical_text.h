// Text for vertical writing: a CP932 text becomes the units set one after another down a column.
// Half-width letters and digits become full width, numbers follow the chosen style, and every
// hyphen-like character becomes the one hyphen that stands upright in vertical text. Nothing is
// added: a number keeps its hyphens (no 丁目, 番 or 号 appear that were not typed).
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace mirelon {

// Stored by number in the settings: keep the values.
enum class NumberStyle {
  KanjiDigits = 0,      // 1-2-3 -> 一‐二‐三, 10 -> 一〇, 101号 -> 一〇一号
  KanjiTens = 1,        // up to 9999 with 十, 百 and 千 (721 -> 七百二十一); others digit by digit
  FullWidthDigits = 2,  // full-width digits, two-digit numbers side by side (縦中横)
};
inline constexpr NumberStyle kLastNumberStyle = NumberStyle::FullWidthDigits;

enum class UnitKind {
  Upright,     // one character standing upright
  SideBySide,  // two half-width digits set across the column (縦中横)
  Turned,      // a Latin word lying on its side, reading downwards
};

// Where a column may end before this unit.
enum class BreakClass {
  Never,              // inside a number (digits and the hyphens between them)
  Anywhere,           // between two ordinary characters
  AfterMunicipality,  // after a prefecture, city, ward, county, town or village name
  BeforeBuilding,     // where the building name starts after the block number
};

struct TextUnit {
  std::string text;  // CP932
  UnitKind kind = UnitKind::Upright;
  double lengthEm = 1.0;  // the length down the column in ems
  BreakClass breakBefore = BreakClass::Anywhere;
  bool blank = false;   // a space: dropped at either end of a column
  bool number = false;  // a digit, or a hyphen inside a number
};

// Straight quotes in pairs become 〝〟, which stand right in a column.
std::vector<TextUnit> VerticalUnits(std::string_view sjis, NumberStyle style);

// The style the texts of one address are set in: the 十 style only when every number in them can
// be written so (no leading zero, below 10000), else digit by digit, so an address never mixes them.
NumberStyle AddressNumberStyle(NumberStyle style, std::initializer_list<std::string_view> texts);
// The units of a record's or the sender's field, blanks at both ends left out.
std::vector<TextUnit> FieldUnits(std::string_view field, NumberStyle style);

// The units as one CP932 text, for tests and reports.
std::string JoinUnits(const std::vector<TextUnit>& units);

}  // namespace mirelon
