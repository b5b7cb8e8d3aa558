// The generated CP932 tables and the per-character lookups built on them; shared by the codec and
// the locale mappings. Not for use outside src/text.
#pragma once

#include <cstdint>

namespace mirelon::cp932 {

inline constexpr char16_t kReplacementCharacter = 0xFFFD;
inline constexpr uint16_t kUnmappable = 0xFFFF;  // no CP932 code: lead bytes stop at 0xFC
inline constexpr unsigned char kTrailFirst = 0x40;
inline constexpr unsigned char kTrailLast = 0xFC;
inline constexpr int kTrailCount = kTrailLast - kTrailFirst + 1;

// Windows' lead bytes; 0x80, 0xA0 and 0xFD-0xFF are characters of their own in code page 932.
constexpr bool IsLead(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }
constexpr bool IsTrail(unsigned char byte) { return byte >= kTrailFirst && byte <= kTrailLast && byte != 0x7F; }

extern const char16_t kSingleByteToUnicode[256];
extern const unsigned char kLeadRow[256];
extern const char16_t kDoubleByteToUnicode[][kTrailCount];
extern const unsigned char kUnicodeBlock[256];
extern const uint16_t kUnicodeToCp932[][256];

// U+FFFD for a lead byte or an unassigned pair.
inline char16_t DecodeSingle(unsigned char byte) { return kSingleByteToUnicode[byte]; }
inline char16_t DecodePair(unsigned char lead, unsigned char trail) {
  return kDoubleByteToUnicode[kLeadRow[lead]][trail - kTrailFirst];
}

// The code Windows writes for a BMP character (a value below 0x100 is a single byte), or kUnmappable.
inline uint16_t Encode(char16_t ch) {
  if (ch < 0x80) return ch;
  const uint16_t code = kUnicodeToCp932[kUnicodeBlock[ch >> 8]][ch & 0xFF];
  return code == 0 ? kUnmappable : code;
}

}  // namespace mirelon::cp932
