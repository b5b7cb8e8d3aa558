// Replacing files as one, in the conditions every system's disks and folders present: long
// names, deep folders, leftovers of a killed save, and files that are not regular files.
#include "book/safe_file.h"

#include <gtest/gtest.h>

#include "book/book_files.h"
#include "platform/utf8_path.h"
#include "safe_file_support.h"
#include "support/recording_prompt.h"

namespace mirelon {
namespace {

namespace fs = std::filesystem;
using test::Entries;
using test::SafeFile;
using test::WriteBytes;

TEST_F(SafeFile, LongNamesAndDeepFoldersWork) {
  AddressBook book;
  test::RecordingPrompt prompt;
  book.SetPrompt(&prompt);
  book.AddRecord({});
  // The longest base name whose no-send file still fits in a name of 255 bytes.
  const fs::path longest = folder_ / (std::string(247, 'a') + ".csv");
  ASSERT_TRUE(SaveBookFamilyAs(book, longest)) << (prompt.shown.empty() ? "" : prompt.shown[0]);
  EXPECT_EQ(Entries(folder_.path()).size(), 6u);
  EXPECT_FALSE(IsBookPath(folder_ / (std::string(248, 'a') + ".csv")));

  // A folder path of over 300 bytes in UTF-8 (100 Japanese characters) holds a book.
  fs::path deep = folder_.path();
  std::string twenty;
  for (int i = 0; i < 20; ++i) twenty += "深";
  for (int i = 0; i < 5; ++i) deep /= PathFromUtf8(twenty);
  fs::create_directories(deep);
  ASSERT_TRUE(SaveBookFamilyAs(book, deep / "book.csv"));
  AddressBook read;
  EXPECT_EQ(ReadBookFamily(read, deep / "book.csv"), FamilyRead::Read);
  EXPECT_EQ(read.recordCount(), 1);
}

TEST_F(SafeFile, ASaveRemovesTheLeftoversOfTheSameFilesOnly) {
  // Leftovers carry a hash of the whole name (FNV-1a, as a later version must read them too).
  const std::string token = "0123abcd";
  WriteBytes(folder_ / (".book0.csv.~bed6262172766fc2t0" + token), "half written");
  WriteBytes(folder_ / (".book2.csv.~f7a8962bb0954288t2" + token), "half written");
  WriteBytes(folder_ / ".other.csv.~0000000000000000t00123abcd", "another book's");
  WriteBytes(folder_ / ".book0.csv.~bed6262172766fc2t0nothex!!", "not ours");
  const std::vector<FileContent> files = NewContents();
  EXPECT_EQ(ReplaceFiles(files).result, FileIoResult::Done);
  EXPECT_EQ(Entries(folder_.path()), (std::vector<std::string>{".book0.csv.~bed6262172766fc2t0nothex!!",
                                            ".other.csv.~0000000000000000t00123abcd", "book0.csv", "book1.csv",
                                            "book2.csv"}));
}

TEST_F(SafeFile, OnlyRegularFilesOfBoundedSizeAreRead) {
  fs::create_directory(folder_ / "folder.csv");
  WriteBytes(folder_ / "large.csv", std::string(1001, 'x'));
  WriteBytes(folder_ / "fits.csv", std::string(1000, 'x'));
  std::string content;
  for (const char* name : {"folder.csv", "large.csv", "missing.csv"}) {
    EXPECT_EQ(ReadWholeFile(folder_ / name, 1000, content), FileIoResult::OpenFailed) << name;
  }
  EXPECT_EQ(ReadWholeFile(folder_ / "fits.csv", 1000, content), FileIoResult::Done);
  EXPECT_EQ(content.size(), 1000u);
}

}  // namespace
}  // namespace mirelon
