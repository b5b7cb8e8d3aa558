// The fixed texts the postal matching looks for, held once per text type: CP932 std::string for
// the Shift-JIS engine, WideText for the UTF-16 one.
#pragma once

#include <array>
#include <string>

namespace mirelon {

inline constexpr size_t kPrefectureCount = 47;
inline constexpr size_t kCompanySpaceWord = 2;

// The 47 prefecture names, full width, in the order in which they are tried.
const std::array<std::string, kPrefectureCount>& PrefectureNames();

// One character replaced by another of the same width.
template <class Text>
struct CharFold {
  Text from;
  Text to;
};

template <class Text>
struct PostalWords {
  std::array<Text, 3> blanks;  // " ", tab, "　": removed from typed text
  Text catchAll;               // "場合": the row for addresses not listed below
  Text openBracket;            // "（": starts a qualifier
  Text listComma;              // "、": separates several town areas, or a business name's suffix
  // Company-form words in removal order; companyWords[kCompanySpaceWord] is the full-width space.
  std::array<Text, 6> companyWords;
  std::array<CharFold<Text>, 4> particleFolds;  // ケ ヶ -> ガ, 之 乃 -> ノ
  std::array<CharFold<Text>, 11> smallKanaFolds;
  std::array<Text, 9> blockDigits;  // "１" to "９"
  std::array<Text, kPrefectureCount> prefectures;
};

// Built on first use; instantiated for std::string and WideText.
template <class Text>
const PostalWords<Text>& Words();

}  // namespace mirelon
