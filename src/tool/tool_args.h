// Reading the values of mirelon-tool's options.
#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirelon::tool {

// A whole decimal number of at least 1, or nothing.
inline std::optional<int> ParsePositiveNumber(std::string_view digits) {
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size() || value < 1) return std::nullopt;
  return value;
}

// Takes the value after the option at args[i] into `value`, moving i on to it; false when none
// follows or the option was given before.
inline bool TakeOptionValue(const std::vector<std::string>& args, size_t& i, std::string& value) {
  if (i + 1 == args.size() || !value.empty()) return false;
  value = args[++i];
  return true;
}

}  // namespace mirelon::tool
