#include "cards/postal_code_cells.h"

#include "text/cp932.h"

namespace mirelon {

std::optional<std::string> PostalCodeDigits(std::string_view sjis) {
  constexpr std::u16string_view kSeparators = u"-－‐−ー 　〒";
  std::string digits;
  for (const char16_t c : Cp932ToUtf16(sjis)) {
    if (c >= u'0' && c <= u'9') {
      digits += static_cast<char>(c);
    } else if (c >= u'０' && c <= u'９') {
      digits += static_cast<char>(c - u'０' + u'0');
    } else if (kSeparators.find(c) == std::u16string_view::npos) {
      return std::nullopt;
    }
  }
  if (digits.empty() || digits.size() == 3 || digits.size() == 5 || digits.size() == 7) return digits;
  return std::nullopt;
}

void AddBoxDigits(std::string_view digits, std::span<const BoxRect> boxes, double sizePt, std::vector<CardCell>& cells) {
  const double em = PointsToMm(sizePt);
  for (size_t i = 0; i < digits.size() && i < boxes.size(); ++i) {
    cells.push_back({std::string(1, digits[i]), boxes[i].CentreX(), boxes[i].CentreY() - em / 2, sizePt,
                     CellOrientation::SideBySide, 1.0, CellFont::Gothic});
  }
}

}  // namespace mirelon
