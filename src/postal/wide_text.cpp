#include "postal/wide_text.h"

#include <algorithm>

#include "postal/wide_conversion.h"

namespace mirelon {

WideText WideText::FromSjis(std::string_view sjis) {
  WideText text;
  text.AssignSjis(sjis);
  return text;
}

void WideText::AssignSjis(std::string_view sjis) { units_ = SjisToWide(sjis); }

std::string WideText::ToSjis() const { return WideToSjis(units_); }

ptrdiff_t WideText::Find(const WideText& pattern) const {
  if (pattern.IsEmpty()) return kNotFound;
  const size_t at = units_.find(pattern.units_);
  return at == std::u16string::npos ? kNotFound : static_cast<ptrdiff_t>(at);
}

int WideText::ReplaceAll(const WideText& pattern, const WideText& replacement) {
  if (pattern.IsEmpty() || pattern.Length() > Length()) return 0;
  int count = 0;
  std::u16string out;
  size_t from = 0;
  for (size_t at = units_.find(pattern.units_); at != std::u16string::npos;
       at = units_.find(pattern.units_, from)) {
    out.append(units_, from, at - from);
    out += replacement.units_;
    from = at + pattern.Length();
    ++count;
  }
  if (count == 0) return 0;
  out.append(units_, from);
  units_ = std::move(out);
  return count;
}

int WideText::CompareN(const WideText& other, size_t count) const {
  const std::u16string_view left = View().substr(0, count);
  const std::u16string_view right = other.View().substr(0, count);
  const int order = left.compare(right);
  return order < 0 ? -1 : order > 0 ? 1 : 0;
}

}  // namespace mirelon
