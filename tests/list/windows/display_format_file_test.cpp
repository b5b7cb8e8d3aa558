// A failed save of a format file where Windows decides: another program holds the file.
#include "list/display_format_file.h"

#include <gtest/gtest.h>

#include "display_format_file_support.h"
#include "support/windows/holding_program.h"

namespace mirelon::test {
namespace {

// Another program keeps the old file open: the save fails before anything is written.
TEST_F(DisplayFormatFileTest, AFailedSaveLeavesTheOldFileWhole) {
  const fs::path path = SavedDefaultFormat();
  const std::string old = ReadAll(path);
  RecordingPrompt prompt;
  const HoldingProgram holder(path);
  ASSERT_TRUE(holder.started());
  EXPECT_FALSE(SaveDisplayFormatFile(path, SampleFormat(), prompt, settings_));
  EXPECT_EQ(ReadAll(path), old);
}

}  // namespace
}  // namespace mirelon::test
