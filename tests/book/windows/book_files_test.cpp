// The family on disk where Windows decides: a file another program holds open.
#include "book/book_files.h"

#include <gtest/gtest.h>

#include "book_files_support.h"
#include "support/windows/holding_program.h"

namespace mirelon {
namespace {

using namespace literals;
using test::BookFiles;

// A save that fails keeps the message it always had and adds what the system said.
TEST_F(BookFiles, AFailedSaveTellsTheSystemsReason) {
  CopySample();
  ASSERT_EQ(ReadBookFamily(book_, folder_ / "sample.csv"), FamilyRead::Read);
  const test::HoldingProgram holder(folder_ / "sample_nos.csv");
  ASSERT_TRUE(holder.started());
  book_.notes = "changed";
  book_.modified = true;
  EXPECT_FALSE(WriteBookFamily(book_));
  EXPECT_TRUE(book_.modified);
  EXPECT_EQ(prompt_.shown, std::vector<std::string>{test::FileMessage(folder_ / "sample_nos.csv", test::kOpenFailed) +
                                                    "\r\nほかのプログラムがこのファイルを開いています"_sjis});
  ExpectFixtures({"sample.csv", "sample_nos.csv", "sample_nen.csv"});
}

}  // namespace
}  // namespace mirelon
