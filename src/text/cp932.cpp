#include "text/cp932.h"

#include <utility>

#include "text/cp932_table.h"

namespace mirelon {
namespace {

constexpr char32_t kNoCharacter = 0xFFFFFFFF;  // a malformed UTF-8 sequence

// Decodes CP932 one character at a time and hands each UTF-16 unit to `emit`.
template <typename Emit>
void DecodeCp932(std::string_view sjis, Emit&& emit) {
  for (size_t i = 0; i < sjis.size();) {
    const auto byte = static_cast<unsigned char>(sjis[i]);
    if (!cp932::IsLead(byte)) {
      emit(cp932::DecodeSingle(byte));
      ++i;
      continue;
    }
    // A lead byte without a possible trail is undecodable on its own; the next byte starts afresh,
    // so an ASCII byte after a stray lead byte is never swallowed.
    if (i + 1 >= sjis.size() || !cp932::IsTrail(static_cast<unsigned char>(sjis[i + 1]))) {
      emit(cp932::kReplacementCharacter);
      ++i;
      continue;
    }
    emit(cp932::DecodePair(byte, static_cast<unsigned char>(sjis[i + 1])));
    i += 2;
  }
}

void AppendUtf8(std::string& out, char32_t ch) {
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | (ch >> 6));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (ch >> 12));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  }
}

// Reads one UTF-8 character at `pos` and advances past it; a malformed sequence (bad lead,
// missing or bad continuation, overlong form, surrogate, beyond U+10FFFF) yields kNoCharacter
// and advances by one byte.
char32_t NextUtf8(std::string_view text, size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) {
    ++pos;
    return lead;
  }
  int length = 0;
  char32_t ch = 0;
  char32_t minimum = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, ch = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, ch = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, ch = lead & 0x07, minimum = 0x10000;
  } else {
    ++pos;
    return kNoCharacter;
  }
  if (pos + length > text.size()) {
    ++pos;
    return kNoCharacter;
  }
  for (int k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[pos + k]);
    if ((next & 0xC0) != 0x80) {
      ++pos;
      return kNoCharacter;
    }
    ch = (ch << 6) | (next & 0x3F);
  }
  if (ch < minimum || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) {
    ++pos;
    return kNoCharacter;
  }
  pos += length;
  return ch;
}

// Appends the CP932 code of `ch`; false when CP932 cannot hold it.
bool AppendCp932(std::string& out, char32_t ch) {
  if (ch > 0xFFFF) return false;
  const uint16_t code = cp932::Encode(static_cast<char16_t>(ch));
  if (code == cp932::kUnmappable) return false;
  if (code > 0xFF) out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
  return true;
}

}  // namespace

std::u16string Cp932ToUtf16(std::string_view sjis) {
  std::u16string out;
  out.reserve(sjis.size());
  DecodeCp932(sjis, [&out](char16_t ch) { out += ch; });
  return out;
}

std::string Cp932ToUtf8(std::string_view sjis) {
  std::string out;
  out.reserve(sjis.size() * 3 / 2);
  DecodeCp932(sjis, [&out](char16_t ch) { AppendUtf8(out, ch); });
  return out;
}

Cp932Encoded Utf16ToCp932(std::u16string_view text) {
  Cp932Encoded result;
  result.bytes.reserve(text.size() * 2);
  for (size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    // Characters outside the BMP are never in CP932; a surrogate pair counts as one character.
    const bool pair = unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                      text[i + 1] <= 0xDFFF;
    const bool surrogate = unit >= 0xD800 && unit <= 0xDFFF;
    if (surrogate || !AppendCp932(result.bytes, unit)) {
      if (result.ok()) result.firstUnmappable = i;
      if (pair) ++i;
    }
  }
  return result;
}

Cp932Encoded Utf8ToCp932(std::string_view utf8) {
  Cp932Encoded result;
  result.bytes.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) {
    const size_t start = pos;
    const char32_t ch = NextUtf8(utf8, pos);
    if ((ch == kNoCharacter || !AppendCp932(result.bytes, ch)) && result.ok()) result.firstUnmappable = start;
  }
  return result;
}

bool IsValidUtf8(std::string_view text) {
  for (size_t pos = 0; pos < text.size();) {
    if (NextUtf8(text, pos) == kNoCharacter) return false;
  }
  return true;
}

std::string Sjis(std::string_view utf8) {
  Cp932Encoded encoded = Utf8ToCp932(utf8);
  if (!encoded.ok()) {
    throw std::invalid_argument("no CP932 code for the character at byte " + std::to_string(encoded.firstUnmappable) +
                                " of \"" + std::string(utf8) + "\"");
  }
  return std::move(encoded.bytes);
}

}  // namespace mirelon
