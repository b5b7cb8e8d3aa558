#include "postal/postal_encoding.h"

#include <iterator>

#include "postal/postal_normalize.h"
#include "postal/wide_conversion.h"
#include "text/cp932.h"
#include "text/sjis.h"

namespace mirelon {
namespace {

// The character ranges of the fold classes.
struct ClassRange {
  std::string_view first;  // UTF-8
  std::string_view last;
  bool lower;
  int bit;
};
constexpr ClassRange kClassRanges[] = {
    {"ぁ", "ん", true, kFoldKana},
    {"ァ", "ヶ", false, kFoldKana},
    {"ａ", "ｚ", true, kFoldLatin},
    {"Ａ", "Ｚ", false, kFoldLatin},
};

// The same ranges as character values of one encoding.
struct CodeRange {
  char16_t first;
  char16_t last;
  bool lower;
  int bit;
};
using CodeRanges = std::array<CodeRange, std::size(kClassRanges)>;

template <class ValueOf>
CodeRanges MakeCodeRanges(ValueOf valueOf) {
  CodeRanges ranges;
  for (size_t i = 0; i < ranges.size(); ++i) {
    const ClassRange& range = kClassRanges[i];
    ranges[i] = {valueOf(Sjis(range.first)), valueOf(Sjis(range.last)), range.lower, range.bit};
  }
  return ranges;
}

void AddClass(FoldClasses& classes, char16_t value, const CodeRanges& ranges) {
  for (const CodeRange& range : ranges) {
    if (value >= range.first && value <= range.last) (range.lower ? classes.lower : classes.upper) |= range.bit;
  }
}

// Calls `visit(position, length)` for each character: two bytes from a lead byte on, else one.
template <class Visit>
void ForEachSjisChar(const std::string& text, Visit&& visit) {
  for (size_t i = 0; i < text.size();) {
    const size_t length = IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
    visit(i, length);
    i += length;
  }
}

// The first occurrence at or after `start` (a character boundary) that starts on a character
// boundary. The byte search is the library's; boundaries are walked only up to each hit.
size_t FindFrom(std::string_view text, std::string_view pattern, size_t start) {
  if (pattern.empty()) return std::string_view::npos;
  size_t boundary = start;
  for (size_t at = text.find(pattern, start); at != std::string_view::npos; at = text.find(pattern, at + 1)) {
    while (boundary < at) boundary += IsLeadByte(text[boundary]) ? 2 : 1;
    if (boundary == at) return at;
  }
  return std::string_view::npos;
}

char16_t PairValue(const std::string& text, size_t at) {
  return static_cast<char16_t>(static_cast<unsigned char>(text[at]) << 8 | static_cast<unsigned char>(text[at + 1]));
}

}  // namespace

size_t SjisEncoding::Find(const Text& text, const Text& pattern) { return FindFrom(text, pattern, 0); }

void SjisEncoding::RemoveAll(Text& text, const Text& word) {
  size_t at = FindFrom(text, word, 0);
  if (at == Text::npos) return;
  std::string kept;
  kept.reserve(text.size());
  size_t from = 0;
  for (; at != Text::npos; at = FindFrom(text, word, from)) {
    kept.append(text, from, at - from);
    from = at + word.size();
  }
  kept.append(text, from);
  text = std::move(kept);
}

void SjisEncoding::Fold(Text& text, const CharFold<Text>* folds, size_t count) {
  ForEachSjisChar(text, [&](size_t at, size_t length) {
    if (length != 2) return;
    for (size_t k = 0; k < count; ++k) {
      if (text.compare(at, 2, folds[k].from) == 0) {
        text.replace(at, 2, folds[k].to);
        return;
      }
    }
  });
}

FoldClasses SjisEncoding::Classify(const Text& text) {
  static const CodeRanges ranges = MakeCodeRanges([](const std::string& sjis) { return PairValue(sjis, 0); });
  FoldClasses classes;
  ForEachSjisChar(text, [&](size_t at, size_t length) {
    if (length == 2) AddClass(classes, PairValue(text, at), ranges);
  });
  return classes;
}

int SjisEncoding::CompareN(const Text& left, const Text& right, size_t count) {
  const int order = std::string_view(left).substr(0, count).compare(std::string_view(right).substr(0, count));
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

std::optional<SjisLineReader> SjisEncoding::OpenLines(const std::filesystem::path& path) {
  std::optional<std::string> bytes = ReadFileAs<char>(path);
  if (!bytes) return std::nullopt;
  return SjisLineReader(std::move(*bytes));
}

size_t WideEncoding::Find(const Text& text, const Text& pattern) {
  const ptrdiff_t at = text.Find(pattern);
  return at == WideText::kNotFound ? std::u16string::npos : static_cast<size_t>(at);
}

void WideEncoding::Fold(Text& text, const CharFold<Text>* folds, size_t count) {
  std::u16string units(text.View());
  bool changed = false;
  for (char16_t& unit : units) {
    for (size_t k = 0; k < count; ++k) {
      if (unit == folds[k].from.View()[0]) {
        unit = folds[k].to.View()[0];
        changed = true;
        break;
      }
    }
  }
  if (changed) text.Assign(units);
}

FoldClasses WideEncoding::Classify(const Text& text) {
  static const CodeRanges ranges = MakeCodeRanges([](const std::string& sjis) { return SjisToWide(sjis)[0]; });
  FoldClasses classes;
  for (const char16_t unit : text.View()) AddClass(classes, unit, ranges);
  return classes;
}

std::optional<WideLineReader> WideEncoding::OpenLines(const std::filesystem::path& path) {
  std::optional<std::u16string> units = ReadWideFile(path);
  if (!units) return std::nullopt;
  return WideLineReader(std::move(*units));
}

}  // namespace mirelon
