// The fixture of the tests of replacing files: three files of a family in a fresh folder.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "book/address_book.h"
#include "book/safe_file.h"
#include "support/temp_folder.h"

namespace mirelon::test {

namespace fs = std::filesystem;

// The names in `folder` but a family's lock file, which stays once made.
inline std::vector<std::string> Entries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (!(name.starts_with(".") && name.ends_with("lk"))) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

inline int Encoded(const ReplaceOutcome& outcome) { return static_cast<int>(outcome.result) * 10 + static_cast<int>(outcome.failed); }

class SafeFile : public ::testing::Test {
 protected:
  SafeFile() {
    for (size_t i = 0; i < 3; ++i) {
      paths_.push_back(folder_ / ("book" + std::to_string(i) + ".csv"));
      WriteBytes(paths_[i], "old " + std::to_string(i));
    }
  }
  std::vector<FileContent> NewContents(std::string_view third = "new 2") const {
    return {{paths_[0], "new 0"}, {paths_[1], "new 1"}, {paths_[2], third}};
  }
  void ExpectOld() const {
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(ReadBytes(paths_[i]), "old " + std::to_string(i));
  }

  test::TempFolder folder_;
  std::vector<fs::path> paths_;
};

// Two versions of a full book, every record in a different file in each (the history moves it
// between send and no-send), told apart by year and address letter.
inline std::array<AddressBook, 2> TwoLargeVersions() {
  std::array<AddressBook, 2> versions;
  for (int v = 0; v < 2; ++v) {
    versions[v].year = 2000 + v;
    for (int i = 0; i < kBookCapacity; ++i) {
      AddressRecord record;
      record.registrationName = "name" + std::to_string(i);
      record.address1 = std::string(150, static_cast<char>('a' + v));
      record.sendHistory = (i + v) % 2 ? "\x81\x7e" : "";  // ×
      record.initialSendState = "x";
      versions[v].AddRecord(record);
    }
  }
  return versions;
}

}  // namespace mirelon::test
