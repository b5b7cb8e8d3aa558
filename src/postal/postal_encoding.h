// The two text encodings of the postal engines behind one set of operations, so that the matching
// and the searches are written once: CP932 bytes (std::string, a character of interest is two
// bytes) and UTF-16 units (WideText, one unit per character). Lengths are in the encoding's units.
#pragma once

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "book/csv_field.h"
#include "postal/postal_files.h"
#include "postal/postal_line_scan.h"
#include "postal/postal_words.h"
#include "postal/wide_data_file.h"
#include "postal/wide_text.h"

namespace mirelon {

// Fold classes found in a text: bit 0 kana (hiragana in `lower`, katakana in `upper`), bit 1
// full-width Latin letters (small letters in `lower`, capitals in `upper`).
struct FoldClasses {
  int lower = 0;
  int upper = 0;
};

// One of the locale mappings of text/text_mapping.h.
using TextMapping = std::string (*)(std::string_view);

struct SjisEncoding {
  using Text = std::string;
  using Line = std::string_view;
  using LineReader = SjisLineReader;
  static constexpr size_t kCharUnits = 2;
  static constexpr bool kUnicode = false;

  static size_t Length(const Text& text) { return text.size(); }
  static Line ViewOf(const Text& text) { return text; }
  // Position of the first occurrence that starts on a character boundary, or npos; an empty
  // pattern is never found.
  static size_t Find(const Text& text, const Text& pattern);
  static void RemoveAll(Text& text, const Text& word);
  static void Fold(Text& text, const CharFold<Text>* folds, size_t count);
  static FoldClasses Classify(const Text& text);
  static void Map(Text& text, TextMapping mapping) { text = mapping(text); }
  static Text Left(const Text& text, size_t count) { return text.substr(0, count); }
  static Text Mid(const Text& text, size_t start) { return start < text.size() ? text.substr(start) : Text(); }
  static int CompareN(const Text& left, const Text& right, size_t count);
  static Text FromSjis(std::string_view sjis) { return Text(sjis); }
  static std::string ToSjis(const Text& text) { return text; }

  static std::optional<LineReader> OpenLines(const std::filesystem::path& path);
  static bool ReadLine(LineReader& reader, Line& line) { return reader.ReadLine(line); }
  static std::optional<std::vector<std::string>> LinesWithKey(const std::filesystem::path& path, const Text& key) {
    return SjisLinesWithKey(path, key);
  }
  static size_t ReadField(Line line, size_t pos, Text& out) { return ReadCsvField(line, pos, out); }
};

struct WideEncoding {
  using Text = WideText;
  using Line = std::u16string_view;
  using LineReader = WideLineReader;
  static constexpr size_t kCharUnits = 1;
  static constexpr bool kUnicode = true;

  static size_t Length(const Text& text) { return text.Length(); }
  static Line ViewOf(const Text& text) { return text.View(); }
  static size_t Find(const Text& text, const Text& pattern);
  static void RemoveAll(Text& text, const Text& word) { text.ReplaceAll(word, WideText()); }
  static void Fold(Text& text, const CharFold<Text>* folds, size_t count);
  static FoldClasses Classify(const Text& text);
  // The locale mappings work on CP932: out and back in, losing what CP932 cannot hold.
  static void Map(Text& text, TextMapping mapping) { text = WideText::FromSjis(mapping(text.ToSjis())); }
  static Text Left(const Text& text, size_t count) { return text.Left(count); }
  static Text Mid(const Text& text, size_t start) { return text.Mid(start); }
  static int CompareN(const Text& left, const Text& right, size_t count) { return left.CompareN(right, count); }
  static Text FromSjis(std::string_view sjis) { return WideText::FromSjis(sjis); }
  static std::string ToSjis(const Text& text) { return text.ToSjis(); }

  static std::optional<LineReader> OpenLines(const std::filesystem::path& path);
  static bool ReadLine(LineReader& reader, Line& line) { return reader.ReadWideLine(line); }
  static std::optional<std::vector<std::u16string>> LinesWithKey(const std::filesystem::path& path, const Text& key) {
    return WideLinesWithKey(path, key.View());
  }
  static size_t ReadField(Line line, size_t pos, Text& out) { return ReadWideCsvField(line, pos, out); }
};

template <class E>
const PostalWords<typename E::Text>& WordsOf() {
  return Words<typename E::Text>();
}

template <class E, size_t N>
void FoldAll(typename E::Text& text, const std::array<CharFold<typename E::Text>, N>& folds) {
  E::Fold(text, folds.data(), N);
}

// `text` begins with `prefix`, which is not empty.
template <class E>
bool StartsWith(const typename E::Text& text, const typename E::Text& prefix) {
  const size_t length = E::Length(prefix);
  return length > 0 && E::CompareN(text, prefix, length) == 0;
}

// The two texts agree on the length of the shorter one (an empty text agrees with every text).
template <class E>
bool AgreeOnShorter(const typename E::Text& left, const typename E::Text& right) {
  return E::CompareN(left, right, std::min(E::Length(left), E::Length(right))) == 0;
}

}  // namespace mirelon
