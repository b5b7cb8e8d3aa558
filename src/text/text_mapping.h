// The Japanese locale's string mappings on CP932 text, as tables of the program's own that give
// Windows' results: ASCII, digits, signs, half- and full-width katakana (voiced marks composed),
// hiragana and full-width Latin. Characters a mapping does not touch are copied unchanged.
#pragma once

#include <string>
#include <string_view>

namespace mirelon {

std::string ToFullWidth(std::string_view sjis);        // "abc-123" -> "ａｂｃ－１２３", "ｶﾞ" -> "ガ"
std::string ToHalfWidth(std::string_view sjis);        // "１２３－４５６７" -> "123-4567", "ガ" -> "ｶﾞ"
std::string HiraganaToKatakana(std::string_view sjis); // "ひらがな" -> "ヒラガナ"
std::string ToUpperCase(std::string_view sjis);        // "abc" -> "ABC", "ａｂｃ" -> "ＡＢＣ"

}  // namespace mirelon
