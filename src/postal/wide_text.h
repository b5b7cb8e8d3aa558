// The UTF-16 text of the UTF-16 postal engine: a value type over 16-bit units with the few
// operations the matching needs, and conversion to and from CP932 through the engine's own table.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace mirelon {

class WideText {
 public:
  static constexpr ptrdiff_t kNotFound = -1;

  WideText() = default;
  explicit WideText(std::u16string_view units) : units_(units) {}
  // Converts with SjisToWide.
  static WideText FromSjis(std::string_view sjis);

  void Assign(std::u16string_view units) { units_.assign(units); }
  void AssignSjis(std::string_view sjis);
  // Converts with WideToSjis; units it cannot represent are dropped.
  std::string ToSjis() const;

  void Empty() { units_.clear(); }  // keeps the buffer for the next field
  bool IsEmpty() const { return units_.empty(); }
  size_t Length() const { return units_.size(); }
  std::u16string_view View() const { return units_; }
  void Append(char16_t unit) { units_ += unit; }

  // Index of the first occurrence, or kNotFound; an empty pattern is never found.
  ptrdiff_t Find(const WideText& pattern) const;
  // Replaces every occurrence and returns how many there were; an empty pattern changes nothing.
  int ReplaceAll(const WideText& pattern, const WideText& replacement);
  WideText Left(size_t count) const { return WideText(View().substr(0, count)); }
  WideText Mid(size_t start) const { return WideText(View().substr(start < Length() ? start : Length())); }
  // Bounded comparison of the first `count` units: 0 when they agree (or both texts end together
  // before), else -1 or 1 by the first differing unit, a shorter text ordering first.
  int CompareN(const WideText& other, size_t count) const;

  friend WideText operator+(const WideText& left, const WideText& right) {
    WideText joined(left);
    joined.units_ += right.units_;
    return joined;
  }
  bool operator==(const WideText&) const = default;

 private:
  std::u16string units_;
};

}  // namespace mirelon
