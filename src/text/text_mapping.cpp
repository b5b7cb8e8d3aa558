#include "text/text_mapping.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "text/cp932.h"
#include "text/cp932_table.h"

namespace mirelon {
namespace {

// The mappings are defined once on Unicode characters, where they are plain arithmetic and short
// tables, and compiled on first use into byte tables over every CP932 code, so that mapping a text
// is one table look-up per character and one allocation.

// Half-width katakana and signs in code order, and their full-width forms.
constexpr std::u16string_view kHalfKana =
    u"｡｢｣､･ｦｧｨｩｪｫｬｭｮｯｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝﾞﾟ";
constexpr std::u16string_view kFullKana =
    u"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン゛゜";
static_assert(kHalfKana.size() == kFullKana.size());

// Half-width kana that take a (semi-)voiced mark, and the full-width characters they compose to.
constexpr char16_t kVoicedMark = u'ﾞ';
constexpr char16_t kSemiVoicedMark = u'ﾟ';
constexpr std::u16string_view kVoicedBase = u"ｳｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾊﾋﾌﾍﾎ";
constexpr std::u16string_view kVoiced = u"ヴガギグゲゴザジズゼゾダヂヅデドバビブベボ";
constexpr std::u16string_view kSemiVoicedBase = u"ﾊﾋﾌﾍﾎ";
constexpr std::u16string_view kSemiVoiced = u"パピプペポ";
static_assert(kVoicedBase.size() == kVoiced.size() && kSemiVoicedBase.size() == kSemiVoiced.size());

// The full-width forms the Japanese locale gives for ASCII where they are not U+FF01-U+FF5E.
struct AsciiException {
  char16_t half;
  char16_t full;
};
constexpr AsciiException kAsciiExceptions[] = {{u' ', u'　'}, {u'"', u'”'}, {u'\'', u'’'}, {u'`', u'‘'}};
constexpr char16_t kFullWidthOffset = u'！' - u'!';

std::u16string FullWidthOf(char16_t ch) {
  for (const AsciiException& exception : kAsciiExceptions) {
    if (ch == exception.half) return {exception.full};
  }
  if (ch >= u'!' && ch <= u'~') return {static_cast<char16_t>(ch + kFullWidthOffset)};
  if (const size_t at = kHalfKana.find(ch); at != std::u16string_view::npos) return {kFullKana[at]};
  return {};
}

std::u16string HalfWidthOf(char16_t ch) {
  for (const AsciiException& exception : kAsciiExceptions) {
    if (ch == exception.full) return {exception.half};
  }
  if (ch >= u'！' && ch <= u'～') return {static_cast<char16_t>(ch - kFullWidthOffset)};
  if (const size_t at = kFullKana.find(ch); at != std::u16string_view::npos) return {kHalfKana[at]};
  if (const size_t at = kVoiced.find(ch); at != std::u16string_view::npos) return {kVoicedBase[at], kVoicedMark};
  if (const size_t at = kSemiVoiced.find(ch); at != std::u16string_view::npos) {
    return {kSemiVoicedBase[at], kSemiVoicedMark};
  }
  return {};
}

std::u16string KatakanaOf(char16_t ch) {
  constexpr char16_t kKatakanaOffset = u'ア' - u'あ';
  if ((ch >= u'ぁ' && ch <= u'ゖ') || ch == u'ゝ' || ch == u'ゞ') return {static_cast<char16_t>(ch + kKatakanaOffset)};
  return {};
}

std::u16string UpperCaseOf(char16_t ch) {
  const auto shifted = [](char16_t c, int offset) { return std::u16string{static_cast<char16_t>(c + offset)}; };
  if (ch >= u'a' && ch <= u'z') return shifted(ch, u'A' - u'a');
  if (ch >= u'ａ' && ch <= u'ｚ') return shifted(ch, u'Ａ' - u'ａ');
  if (ch >= u'α' && ch <= u'ω' && ch != u'ς') return shifted(ch, u'Α' - u'α');
  if (ch >= u'а' && ch <= u'я') return shifted(ch, u'А' - u'а');
  if (ch >= u'ѐ' && ch <= u'џ') return shifted(ch, u'Ѐ' - u'ѐ');
  return {};
}

// The bytes that replace one character; size 0 leaves it as it is.
struct Replacement {
  uint8_t size = 0;
  std::array<char, 2> bytes{};
};

// A half-width kana followed by a mark that composes with it into one full-width character.
struct Composition {
  std::u16string_view bases;
  char16_t mark;
  std::u16string_view composed;
};

class ByteMapping {
 public:
  ByteMapping(std::u16string (*map)(char16_t), std::initializer_list<Composition> compositions = {}) {
    rows_.emplace_back();  // row 0: nothing replaced
    for (int byte = 0; byte < 256; ++byte) {
      if (!cp932::IsLead(byte)) singles_[byte] = ReplacementFor(map(cp932::DecodeSingle(byte)));
    }
    for (int lead = 0; lead < 256; ++lead) {
      if (!cp932::IsLead(lead)) continue;
      Row row{};
      bool used = false;
      for (int trail = cp932::kTrailFirst; trail <= cp932::kTrailLast; ++trail) {
        if (!cp932::IsTrail(trail)) continue;
        const char16_t ch = cp932::DecodePair(lead, trail);
        if (ch == cp932::kReplacementCharacter) continue;
        row[trail] = ReplacementFor(map(ch));
        used = used || row[trail].size > 0;
      }
      if (used) {
        rowOf_[lead] = static_cast<uint8_t>(rows_.size());
        rows_.push_back(row);
      }
    }
    for (const Composition& composition : compositions) {
      const uint16_t mark = cp932::Encode(composition.mark);
      markIndex_[mark] = static_cast<uint8_t>(composed_.size() + 1);
      std::array<Replacement, 256>& table = composed_.emplace_back();
      for (size_t k = 0; k < composition.bases.size(); ++k) {
        table[cp932::Encode(composition.bases[k])] = ReplacementFor({composition.composed[k]});
      }
    }
    for (const Replacement& replacement : singles_) {
      if (replacement.size == 2) growth_ = 2;
    }
  }

  std::string Apply(std::string_view text) const {
    std::string out;
    out.reserve(text.size() * growth_);
    for (size_t i = 0; i < text.size();) {
      const auto byte = static_cast<unsigned char>(text[i]);
      const bool pair = cp932::IsLead(byte) && i + 1 < text.size() && cp932::IsTrail(static_cast<unsigned char>(text[i + 1]));
      if (pair) {
        Append(out, rows_[rowOf_[byte]][static_cast<unsigned char>(text[i + 1])], text.substr(i, 2));
        i += 2;
        continue;
      }
      if (i + 1 < text.size()) {
        const uint8_t mark = markIndex_[static_cast<unsigned char>(text[i + 1])];
        if (mark != 0 && composed_[mark - 1][byte].size > 0) {
          Append(out, composed_[mark - 1][byte], {});
          i += 2;
          continue;
        }
      }
      Append(out, singles_[byte], text.substr(i, 1));
      ++i;
    }
    return out;
  }

 private:
  using Row = std::array<Replacement, 256>;

  static Replacement ReplacementFor(const std::u16string& mapped) {
    Replacement replacement;
    if (mapped.empty()) return replacement;
    const Cp932Encoded encoded = Utf16ToCp932(mapped);
    if (!encoded.ok() || encoded.bytes.size() > replacement.bytes.size()) return replacement;
    replacement.size = static_cast<uint8_t>(encoded.bytes.size());
    encoded.bytes.copy(replacement.bytes.data(), replacement.size);
    return replacement;
  }

  static void Append(std::string& out, const Replacement& replacement, std::string_view original) {
    if (replacement.size > 0) {
      out.append(replacement.bytes.data(), replacement.size);
    } else {
      out.append(original);
    }
  }

  Row singles_{};
  std::array<uint8_t, 256> rowOf_{};
  std::vector<Row> rows_;
  std::array<uint8_t, 256> markIndex_{};  // 1-based index into composed_, 0 for no mark
  std::vector<Row> composed_;
  size_t growth_ = 1;
};

}  // namespace

std::string ToFullWidth(std::string_view sjis) {
  static const ByteMapping mapping(FullWidthOf, {{kVoicedBase, kVoicedMark, kVoiced},
                                                 {kSemiVoicedBase, kSemiVoicedMark, kSemiVoiced}});
  return mapping.Apply(sjis);
}

std::string ToHalfWidth(std::string_view sjis) {
  static const ByteMapping mapping(HalfWidthOf);
  return mapping.Apply(sjis);
}

std::string HiraganaToKatakana(std::string_view sjis) {
  static const ByteMapping mapping(KatakanaOf);
  return mapping.Apply(sjis);
}

std::string ToUpperCase(std::string_view sjis) {
  static const ByteMapping mapping(UpperCaseOf);
  return mapping.Apply(sjis);
}

}  // namespace mirelon
