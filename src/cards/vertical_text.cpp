#include "cards/vertical_text.h"

#include <algorithm>

#include "text/cp932.h"
#include "text/sjis.h"
#include "text/text_mapping.h"

namespace mirelon {

namespace {

constexpr std::u16string_view kKanjiDigits = u"〇一二三四五六七八九";
// The place words of the 十 style, by the digit's place: 十, 百, 千.
constexpr char16_t kPlaceWords[] = u"\0十百千";
constexpr size_t kMaxTensDigits = 4;
// The hyphen of vertical text: the fonts' vertical form stands upright in the column.
constexpr char16_t kUprightHyphen = u'‐';
// Undecodable bytes print as the usual mark for a character that cannot be shown.
constexpr char16_t kUndecodableMark = u'〓';
constexpr char16_t kReplacement = u'\uFFFD';

bool IsFullWidthDigit(char16_t c) { return c >= u'０' && c <= u'９'; }
bool IsAnyDigit(char16_t c) { return IsFullWidthDigit(c) || (c >= u'0' && c <= u'9'); }
bool IsZero(char16_t c) { return c == u'0' || c == u'０'; }

// A number the 十 style writes with place words: no leading zero and at most four digits.
bool TensWritable(std::u16string_view digits) {
  return digits.size() <= kMaxTensDigits && (digits.size() == 1 || !IsZero(digits[0]));
}
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
    const bool tens = style_ == NumberStyle::KanjiTens && TensWritable(digits);
    if (style_ == NumberStyle::FullWidthDigits && digits.size() == 2) {
      const std::u16string pair = {static_cast<char16_t>(digits[0] - u'０' + u'0'),
                                   static_cast<char16_t>(digits[1] - u'０' + u'0')};
      number.push_back({ToSjis(pair), UnitKind::SideBySide, 1.0, BreakClass::Never, false, true});
    } else if (style_ == NumberStyle::FullWidthDigits) {
      for (const char16_t digit : digits) upright(digit);
    } else if (tens && digits.size() > 1) {
      // 1108 -> 千百八: a 1 before a place word is left out, a 0 place is left out whole.
      for (size_t i = 0; i < digits.size(); ++i) {
        const size_t place = digits.size() - 1 - i;
        if (digits[i] == u'０') continue;
        if (place == 0 || digits[i] != u'１') kanji(digits[i]);
        if (place > 0) upright(kPlaceWords[place]);
      }
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

// Straight quotes lie on their side in a column: pairs become 〝 and 〟, an odd last one stays.
void TurnQuotes(std::u16string& text) {
  for (const std::u16string_view quotes : {u"\"＂", u"'＇"}) {
    std::vector<size_t> at;
    for (size_t i = 0; i < text.size(); ++i) {
      if (quotes.find(text[i]) != std::u16string_view::npos) at.push_back(i);
    }
    for (size_t k = 0; k + 1 < at.size(); k += 2) {
      text[at[k]] = u'〝';
      text[at[k + 1]] = u'〟';
    }
  }
}

bool IsKanjiNumeral(const TextUnit& unit) {
  static const std::vector<std::string> kNumerals = {Sjis("〇"), Sjis("一"), Sjis("二"), Sjis("三"), Sjis("四"),
                                                     Sjis("五"), Sjis("六"), Sjis("七"), Sjis("八"), Sjis("九"),
                                                     Sjis("十"), Sjis("百"), Sjis("千")};
  return TextIsOneOf(unit.text, kNumerals);
}

// Whether a block number typed in kanji starts at `k`: numerals followed by 丁目, 番地, 号, or 番
// and another numeral (so the place names 一番町 and 三条 are not taken for one).
bool KanjiBlockNumberAt(const std::vector<TextUnit>& units, size_t k) {
  if (!IsKanjiNumeral(units[k]) || (k > 0 && IsKanjiNumeral(units[k - 1]))) return false;
  size_t end = k;
  while (end < units.size() && IsKanjiNumeral(units[end])) ++end;
  const auto textAt = [&](size_t i) { return i < units.size() ? units[i].text : std::string(); };
  const std::string word = textAt(end);
  if (word == Sjis("丁")) return textAt(end + 1) == Sjis("目");
  if (word == Sjis("号")) return true;
  if (word != Sjis("番")) return false;
  return textAt(end + 1) == Sjis("地") || (end + 1 < units.size() && (IsKanjiNumeral(units[end + 1]) ||
                                                                       units[end + 1].number));
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
  size_t first = 0;
  while (first < units.size() && !units[first].number && !KanjiBlockNumberAt(units, first)) ++first;
  if (first == units.size()) return;
  auto it = units.begin() + static_cast<std::ptrdiff_t>(first);
  while (it != units.end() && (it->number || IsKanjiNumeral(*it) || TextIsOneOf(it->text, kNumberWords))) ++it;
  if (std::find_if(it, units.end(), [](const TextUnit& u) { return !u.blank; }) == units.end()) return;
  it->breakBefore = BreakClass::BeforeBuilding;
}

}  // namespace

std::vector<TextUnit> VerticalUnits(std::string_view sjis, NumberStyle style) {
  std::u16string text = Cp932ToUtf16(sjis);
  TurnQuotes(text);
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

NumberStyle AddressNumberStyle(NumberStyle style, std::initializer_list<std::string_view> texts) {
  if (style != NumberStyle::KanjiTens) return style;
  for (const std::string_view sjis : texts) {
    const std::u16string text = Cp932ToUtf16(sjis);
    for (size_t i = 0; i < text.size();) {
      size_t end = i;
      while (end < text.size() && IsAnyDigit(text[end])) ++end;
      if (end > i && !TensWritable(std::u16string_view(text).substr(i, end - i))) return NumberStyle::KanjiDigits;
      i = std::max(end, i + 1);
    }
  }
  return style;
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
