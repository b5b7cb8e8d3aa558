#include "cards/vertical_text.h"

#include <algorithm>

#include "text/cp932.h"
#include "text/sjis.h"
#include "text/text_mapping.h"

namespace mirelon {

namespace {

constexpr std::u16string_view kKanjiDigits = u"〇一二三四五六七八九";
constexpr char16_t kTen = u'十';
// The hyphen of vertical text: the fonts' vertical form stands upright in the column.
constexpr char16_t kUprightHyphen = u'‐';
// Undecodable bytes print as the usual mark for a character that cannot be shown.
constexpr char16_t kUndecodableMark = u'〓';
constexpr char16_t kReplacement = u'\uFFFD';

bool IsFullWidthDigit(char16_t c) { return c >= u'０' && c <= u'９'; }
bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
bool IsLower(char16_t c) { return c >= u'a' && c <= u'z'; }

bool IsHyphenLike(char16_t c) {
  constexpr std::u16string_view kHyphens = u"－‐−―—–\u2011\uFE63";
  return kHyphens.find(c) != std::u16string_view::npos;
}
bool IsLongVowelMark(char16_t c) { return c == u'ー'; }
bool IsBlank(char16_t c) { return c == u'　' || c == u' '; }

std::string ToSjis(std::u16string_view text) { return Utf16ToCp932(text).bytes; }

// A Latin word long enough to read better lying on its side than as a stack of wide letters:
// four letters or more with at least one small letter ("Heights"; "ABC" stays upright).
size_t TurnedWordLength(std::u16string_view text, size_t at) {
  size_t end = at;
  bool lower = false;
  for (; end < text.size() && IsAsciiLetter(text[end]); ++end) {
    if (IsLower(text[end])) lower = true;
  }
  return end - at >= 4 && lower ? end - at : 0;
}

class UnitBuilder {
 public:
  explicit UnitBuilder(NumberStyle style) : style_(style) {}

  void AddTurned(std::u16string_view word) {
    Push({ToSjis(word), UnitKind::Turned, 0.5 * static_cast<double>(word.size()), BreakClass::Anywhere, false,
          false});
    inNumber_ = false;
    lastWasDigit_ = false;
  }

  // `text` is already full width.
  void AddText(std::u16string_view text) {
    for (size_t i = 0; i < text.size();) {
      const char16_t c = text[i];
      if (IsFullWidthDigit(c)) {
        size_t end = i;
        while (end < text.size() && IsFullWidthDigit(text[end])) ++end;
        AddNumber(text.substr(i, end - i));
        i = end;
        continue;
      }
      if (IsHyphenLike(c) || (IsLongVowelMark(c) && lastWasDigit_)) {
        // A hyphen after a digit belongs to the number: a column never ends between them.
        const bool inNumber = lastWasDigit_;
        Push({ToSjis(std::u16string(1, kUprightHyphen)), UnitKind::Upright, 1.0,
              inNumber ? BreakClass::Never : BreakClass::Anywhere, false, inNumber});
        inNumber_ = inNumber;
        lastWasDigit_ = false;
        ++i;
        continue;
      }
      const std::string sjis = ToSjis(std::u16string(1, c));
      Push({sjis, UnitKind::Upright, 0.5 * static_cast<double>(sjis.size()), BreakClass::Anywhere, IsBlank(c),
            false});
      inNumber_ = false;
      lastWasDigit_ = false;
      ++i;
    }
  }

  std::vector<TextUnit> Take() { return std::move(units_); }

 private:
  void AddNumber(std::u16string_view digits) {
    const BreakClass first = inNumber_ ? BreakClass::Never : BreakClass::Anywhere;
    std::vector<TextUnit> number;
    auto upright = [&](char16_t c) {
      number.push_back({ToSjis(std::u16string(1, c)), UnitKind::Upright, 1.0, BreakClass::Never, false, true});
    };
    auto kanji = [&](char16_t digit) { upright(kKanjiDigits[static_cast<size_t>(digit - u'０')]); };
    const bool tens = style_ == NumberStyle::KanjiTens && digits.size() <= 2 && digits[0] != u'０';
    if (style_ == NumberStyle::FullWidthDigits && digits.size() == 2) {
      const std::u16string pair = {static_cast<char16_t>(digits[0] - u'０' + u'0'),
                                   static_cast<char16_t>(digits[1] - u'０' + u'0')};
      number.push_back({ToSjis(pair), UnitKind::SideBySide, 1.0, BreakClass::Never, false, true});
    } else if (style_ == NumberStyle::FullWidthDigits) {
      for (const char16_t digit : digits) upright(digit);
    } else if (tens && digits.size() == 2) {
      if (digits[0] != u'１') kanji(digits[0]);
      upright(kTen);
      if (digits[1] != u'０') kanji(digits[1]);
    } else {
      for (const char16_t digit : digits) kanji(digit);
    }
    number.front().breakBefore = first;
    for (TextUnit& unit : number) Push(std::move(unit));
    inNumber_ = true;
    lastWasDigit_ = true;
  }

  void Push(TextUnit unit) { units_.push_back(std::move(unit)); }

  NumberStyle style_;
  std::vector<TextUnit> units_;
  bool inNumber_ = false;      // the last unit belongs to a number
  bool lastWasDigit_ = false;  // the last character typed was a digit
};

bool TextIsOneOf(const std::string& text, const std::vector<std::string>& set) {
  return std::find(set.begin(), set.end(), text) != set.end();
}

// A column may end after a place name of the 都道府県 or 市区町村 level, found by its last
// character, when the name has at least two characters ("市川市" ends after the second 市).
void MarkMunicipalityBreaks(std::vector<TextUnit>& units) {
  static const std::vector<std::string> kEnds = {
      Sjis("都"), Sjis("道"), Sjis("府"), Sjis("県"), Sjis("市"), Sjis("区"), Sjis("郡"), Sjis("町"), Sjis("村")};
  size_t nameStart = 0;
  for (size_t k = 1; k < units.size(); ++k) {
    if (k - 1 < nameStart + 1 || !TextIsOneOf(units[k - 1].text, kEnds)) continue;
    if (units[k].breakBefore == BreakClass::Anywhere) units[k].breakBefore = BreakClass::AfterMunicipality;
    nameStart = k;
  }
}

// The building name starts after the first block number and the words that go with it.
void MarkBuildingBreak(std::vector<TextUnit>& units) {
  static const std::vector<std::string> kNumberWords = {Sjis("丁"), Sjis("目"), Sjis("番"), Sjis("地"),
                                                        Sjis("号"), Sjis("の"), Sjis("之")};
  const auto firstNumber = std::find_if(units.begin(), units.end(), [](const TextUnit& u) { return u.number; });
  if (firstNumber == units.end()) return;
  auto it = firstNumber;
  while (it != units.end() && (it->number || TextIsOneOf(it->text, kNumberWords))) ++it;
  if (std::find_if(it, units.end(), [](const TextUnit& u) { return !u.blank; }) == units.end()) return;
  it->breakBefore = BreakClass::BeforeBuilding;
}

}  // namespace

std::vector<TextUnit> VerticalUnits(std::string_view sjis, NumberStyle style) {
  const std::u16string text = Cp932ToUtf16(sjis);
  UnitBuilder builder(style);
  size_t plainStart = 0;
  auto flushPlain = [&](size_t end) {
    if (end == plainStart) return;
    std::u16string plain = text.substr(plainStart, end - plainStart);
    // Characters that do not decode are replaced before the round trip through CP932.
    std::replace(plain.begin(), plain.end(), kReplacement, kUndecodableMark);
    builder.AddText(Cp932ToUtf16(ToFullWidth(ToSjis(plain))));
  };
  for (size_t i = 0; i < text.size();) {
    // A letter in the middle of a word is never the start of a turned word.
    const bool wordStart = i == 0 || !IsAsciiLetter(text[i - 1]);
    const size_t turned = wordStart ? TurnedWordLength(text, i) : 0;
    if (turned == 0) {
      ++i;
      continue;
    }
    flushPlain(i);
    builder.AddTurned(text.substr(i, turned));
    i += turned;
    plainStart = i;
  }
  flushPlain(text.size());
  std::vector<TextUnit> units = builder.Take();
  MarkMunicipalityBreaks(units);
  MarkBuildingBreak(units);
  return units;
}

std::vector<TextUnit> FieldUnits(std::string_view field, NumberStyle style) {
  return VerticalUnits(TrimmedBlanks(field), style);
}

std::string JoinUnits(const std::vector<TextUnit>& units) {
  std::string joined;
  for (const TextUnit& unit : units) joined += unit.text;
  return joined;
}

}  // namespace mirelon
