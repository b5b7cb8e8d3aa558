#include "postal/wide_conversion.h"

#include <cstdint>
#include <vector>

#include "postal/wide_table.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

constexpr char16_t kUnknownCharacter = u'？';
constexpr char16_t kHalfWidthKatakanaOffset = 0xFEC0;  // 0xA1 + offset = U+FF61
constexpr char16_t kHalfWidthKatakanaFirst = 0xFF61;
constexpr char16_t kHalfWidthKatakanaLast = 0xFF9F;

bool IsHalfWidthKatakanaByte(unsigned char byte) { return byte >= 0xA1 && byte <= 0xDF; }

// JIS row and cell (both 1-based) of a Shift-JIS pair; false for a pair that has none.
bool JisRowCell(unsigned char lead, unsigned char trail, int& row, int& cell) {
  if (!((lead >= 0x81 && lead <= 0x9F) || (lead >= 0xE0 && lead <= 0xEF))) return false;
  if (trail < 0x40 || trail > 0xFC || trail == 0x7F) return false;
  const int base = (lead - (lead <= 0x9F ? 0x70 : 0xB0)) * 2 - 0x20;
  if (trail >= 0x9F) {
    row = base;
    cell = trail - 0x9E;
  } else {
    row = base - 1;
    cell = trail - 0x3F - (trail >= 0x80 ? 1 : 0);
  }
  return true;
}

uint16_t SjisCodeOf(int row, int cell) {
  const int lead = ((row + 0x21) >> 1) + (row <= 62 ? 0x70 : 0xB0);
  const int trail = row % 2 ? cell + 0x3F + (cell >= 64 ? 1 : 0) : cell + 0x9E;
  return static_cast<uint16_t>(lead << 8 | trail);
}

char16_t DecodePair(unsigned char lead, unsigned char trail) {
  int row = 0;
  int cell = 0;
  if (JisRowCell(lead, trail, row, cell)) {
    const int tableRow = WideTableRowOf(row);
    if (tableRow >= 0) {
      const char16_t unit = kWideTable[tableRow][cell - 1];
      return unit != 0 ? unit : kUnknownCharacter;
    }
  }
  const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
  const std::u16string decoded = Cp932ToUtf16(std::string_view(pair, 2));
  return decoded.size() == 1 && decoded[0] != 0xFFFD ? decoded[0] : kUnknownCharacter;
}

// The Shift-JIS code of the first table cell (in table order) that holds each unit, 0 for none.
const std::vector<uint16_t>& ReverseTable() {
  static const std::vector<uint16_t> reverse = [] {
    std::vector<uint16_t> codes(0x10000, 0);
    for (int tableRow = 0; tableRow < kWideTableRows; ++tableRow) {
      for (int cell = 0; cell < kWideTableCells; ++cell) {
        const char16_t unit = kWideTable[tableRow][cell];
        if (unit != 0 && codes[unit] == 0) codes[unit] = SjisCodeOf(JisRowOf(tableRow), cell + 1);
      }
    }
    return codes;
  }();
  return reverse;
}

}  // namespace

std::u16string SjisToWide(std::string_view sjis) {
  std::u16string units;
  units.reserve(sjis.size());
  for (size_t i = 0; i < sjis.size();) {
    const auto byte = static_cast<unsigned char>(sjis[i]);
    if (byte < 0x80) {
      units += static_cast<char16_t>(byte);
      ++i;
    } else if (IsHalfWidthKatakanaByte(byte)) {
      units += static_cast<char16_t>(byte + kHalfWidthKatakanaOffset);
      ++i;
    } else if (byte == 0xA0) {
      units += kUnknownCharacter;
      ++i;
    } else if (i + 1 < sjis.size()) {
      units += DecodePair(byte, static_cast<unsigned char>(sjis[i + 1]));
      i += 2;
    } else {
      units += kUnknownCharacter;  // a lead byte that ends the text
      ++i;
    }
  }
  return units;
}

std::string WideToSjis(std::u16string_view units) {
  const std::vector<uint16_t>& reverse = ReverseTable();
  std::string sjis;
  sjis.reserve(units.size() * 2);
  for (const char16_t unit : units) {
    if (unit < 0x80) {
      sjis += static_cast<char>(unit);
    } else if (unit >= kHalfWidthKatakanaFirst && unit <= kHalfWidthKatakanaLast) {
      sjis += static_cast<char>(unit - kHalfWidthKatakanaOffset);
    } else if (const uint16_t code = reverse[unit]; code != 0) {
      sjis += static_cast<char>(code >> 8);
      sjis += static_cast<char>(code & 0xFF);
    } else if (const Cp932Encoded encoded = Utf16ToCp932(std::u16string_view(&unit, 1)); encoded.ok()) {
      sjis += encoded.bytes;
    }
  }
  return sjis;
}

char16_t TableFormOf(char16_t unit) {
  switch (unit) {
    case 0xFF5E: return 0x301C;  // fullwidth tilde -> wave dash
    case 0x2225: return 0x2016;  // parallel to -> double vertical line
    case 0xFF0D: return 0x2212;  // fullwidth hyphen-minus -> minus sign
    case 0xFFE0: return 0x00A2;  // cent
    case 0xFFE1: return 0x00A3;  // pound
    case 0xFFE2: return 0x00AC;  // not
    default: return unit;
  }
}

}  // namespace mirelon
