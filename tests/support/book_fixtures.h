// The hand-made book fixtures of tests/data/book (see make_book_fixtures.py).
#pragma once

#include <filesystem>
#include <string_view>

namespace mirelon::test {

inline std::filesystem::path BookFixture(std::string_view name) {
  return std::filesystem::path(MIRELON_TEST_DATA) / "book" / name;
}

}  // namespace mirelon::test
