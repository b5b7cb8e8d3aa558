// A failed save of a format file where POSIX decides: the file-size limit.
#include "list/display_format_file.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "display_format_file_support.h"

namespace mirelon::test {
namespace {

TEST_F(DisplayFormatFileTest, AFailedSaveLeavesTheOldFileWhole) {
  const fs::path path = folder_ / "format.dat";
  RecordingPrompt prompt;
  ASSERT_TRUE(SaveDisplayFormatFile(path, DisplayFormat(), prompt, settings_));
  const std::string old = ReadAll(path);
  // A save that runs into the file-size limit half way, in a child process.
  const pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(SaveDisplayFormatFile(path, SampleFormat(), prompt, settings_) ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(ReadAll(path), old);
  EXPECT_EQ(LoadMessage(path), "");
}

}  // namespace
}  // namespace mirelon::test
