#include "postal/wide_data_file.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace mirelon {
namespace {

TEST(WideDataFileTest, AFifoIsRefusedAtOnce) {
  test::TempFolder folder;
  ASSERT_EQ(mkfifo((folder / "fifo.csv").c_str(), 0600), 0);
  EXPECT_FALSE(ReadWideFile(folder / "fifo.csv"));  // not waited on
}

}  // namespace
}  // namespace mirelon
