#include "postal/postal_normalize.h"

#include <algorithm>

#include "postal/postal_encoding.h"
#include "text/text_mapping.h"

namespace mirelon {
namespace {

constexpr size_t kPostalCodeDigits = 7;

template <class E>
void NormalizeInputOf(typename E::Text& text) {
  for (const auto& blank : WordsOf<E>().blanks) E::RemoveAll(text, blank);
  if (E::Length(text) > 0) E::Map(text, ToFullWidth);
}

template <class E>
int FoldForMatchOf(typename E::Text& text, int mask) {
  if (mask == 0) return 0;
  const auto& words = WordsOf<E>();
  if (mask & kFoldKana) FoldAll<E>(text, words.particleFolds);
  FoldClasses found = E::Classify(text);
  found.lower &= mask;
  found.upper &= mask;
  const int result = found.lower | found.upper;
  if (result == 0) return 0;
  // Capitals alone need no mapping.
  if (!(result & kFoldKana) && !(found.lower & kFoldLatin)) return result;
  if (found.lower & kFoldKana) E::Map(text, HiraganaToKatakana);
  if (found.lower & kFoldLatin) E::Map(text, ToUpperCase);
  if (result & kFoldKana) FoldAll<E>(text, words.smallKanaFolds);
  return result;
}

template <class E>
void StripCompanyWordsOf(typename E::Text& text, bool withSpace) {
  const auto& words = WordsOf<E>().companyWords;
  for (size_t i = 0; i < words.size(); ++i) {
    if (withSpace || i != kCompanySpaceWord) E::RemoveAll(text, words[i]);
  }
}

template <class E>
PrefectureSplit<typename E::Text> SplitPrefectureOf(const typename E::Text& address) {
  for (const auto& name : WordsOf<E>().prefectures) {
    if (StartsWith<E>(address, name)) return {name, E::Mid(address, E::Length(name))};
  }
  return {{}, address};
}

template <class E>
typename E::Text LeadBeforeBlockNumberOf(const typename E::Text& remainder) {
  size_t first = E::Length(remainder);
  for (const auto& digit : WordsOf<E>().blockDigits) first = std::min(first, E::Find(remainder, digit));
  if (first == 0 || first == E::Length(remainder)) return {};
  return E::Left(remainder, first);
}

template <class E>
typename E::Text TownAreaForMatchOf(const typename E::Text& townArea) {
  const auto& words = WordsOf<E>();
  constexpr size_t npos = std::string::npos;
  if (E::Find(townArea, words.catchAll) != npos) return {};
  typename E::Text area = E::Left(townArea, E::Find(townArea, words.openBracket));
  if (E::Find(area, words.listComma) != npos) return {};
  return area;
}

template <class E>
typename E::Text BusinessNameForMatchOf(const typename E::Text& name, int mask) {
  typename E::Text prepared = name;
  StripCompanyWordsOf<E>(prepared, true);
  const size_t comma = E::Find(prepared, WordsOf<E>().listComma);
  if (comma != std::string::npos && comma > 0) prepared = E::Left(prepared, comma);
  FoldForMatchOf<E>(prepared, mask);
  return prepared;
}

}  // namespace

std::string NormalizePostalCode(std::string_view typed) {
  // ASCII maps to itself; the mapping's tables are built only for a code typed in full width.
  const bool ascii = std::all_of(typed.begin(), typed.end(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
  std::string digits;
  for (const char byte : ascii ? std::string(typed) : ToHalfWidth(typed)) {
    if (byte >= '0' && byte <= '9') digits += byte;
  }
  return digits.size() == kPostalCodeDigits ? digits : std::string();
}

void NormalizeInput(std::string& text) { NormalizeInputOf<SjisEncoding>(text); }
void NormalizeInput(WideText& text) { NormalizeInputOf<WideEncoding>(text); }

int FoldForMatch(std::string& text, int mask) { return FoldForMatchOf<SjisEncoding>(text, mask); }
int FoldForMatch(WideText& text, int mask) { return FoldForMatchOf<WideEncoding>(text, mask); }

void StripCompanyWords(std::string& text) { StripCompanyWordsOf<SjisEncoding>(text, true); }
void StripCompanyWords(WideText& text) { StripCompanyWordsOf<WideEncoding>(text, true); }
void StripCompanyWordsNoSpace(std::string& text) { StripCompanyWordsOf<SjisEncoding>(text, false); }
void StripCompanyWordsNoSpace(WideText& text) { StripCompanyWordsOf<WideEncoding>(text, false); }

PrefectureSplit<std::string> SplitPrefecture(const std::string& address) {
  return SplitPrefectureOf<SjisEncoding>(address);
}
PrefectureSplit<WideText> SplitPrefecture(const WideText& address) { return SplitPrefectureOf<WideEncoding>(address); }

std::string LeadBeforeBlockNumber(const std::string& remainder) {
  return LeadBeforeBlockNumberOf<SjisEncoding>(remainder);
}
WideText LeadBeforeBlockNumber(const WideText& remainder) { return LeadBeforeBlockNumberOf<WideEncoding>(remainder); }

std::string TownAreaForMatch(const std::string& townArea) { return TownAreaForMatchOf<SjisEncoding>(townArea); }
WideText TownAreaForMatch(const WideText& townArea) { return TownAreaForMatchOf<WideEncoding>(townArea); }

std::string BusinessNameForMatch(const std::string& name, int mask) {
  return BusinessNameForMatchOf<SjisEncoding>(name, mask);
}
WideText BusinessNameForMatch(const WideText& name, int mask) { return BusinessNameForMatchOf<WideEncoding>(name, mask); }

}  // namespace mirelon
