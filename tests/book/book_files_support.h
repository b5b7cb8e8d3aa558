// The fixture of the tests of a family on disk: a fresh folder, the fixture books, a book with a
// prompt that records what it shows.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>

#include "book/address_book.h"
#include "book/book_files.h"
#include "support/book_fixtures.h"
#include "support/recording_prompt.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace mirelon::test {

inline std::string FileMessage(const std::filesystem::path& path, const char* reason) {
  return PathText(path) + "\r\n" + Sjis(reason);
}
constexpr const char* kOpenFailed = "ファイルのオープンに失敗しました";

class BookFiles : public ::testing::Test {
 protected:
  BookFiles() { book_.SetPrompt(&prompt_); }

  void CopyFixtures(std::initializer_list<const char*> names) {
    for (const char* name : names) std::filesystem::copy_file(test::BookFixture(name), folder_ / name);
  }
  void CopySample() { CopyFixtures({"sample.csv", "sample_nos.csv", "sample_nen.csv"}); }
  void ExpectFixtures(std::initializer_list<const char*> names) {
    for (const char* name : names) EXPECT_EQ(ReadBytes(folder_ / name), ReadBytes(test::BookFixture(name))) << name;
  }
  size_t FileCount() const {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder_.path()), {}));
  }

  test::TempFolder folder_;
  test::RecordingPrompt prompt_;
  AddressBook book_;
};

}  // namespace mirelon::test
