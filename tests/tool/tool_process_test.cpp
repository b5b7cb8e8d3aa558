// The mirelon-tool executable: what a script sees of it (exit status, and the raw bytes of --sjis).
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/utf8_path.h"
#include "support/book_fixtures.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

struct ProcessRun {
  int status;
  std::string output;
};

ProcessRun Tool(const std::string& arguments) {
  const std::string command = std::string("'") + MIRELON_TOOL + "' " + arguments + " 2>/dev/null";
  ProcessRun run{-1, {}};
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[4096];
  for (size_t read; (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.output.append(buffer, read);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

// The sample book copied into `folder` (reading takes a lock file beside the book: never in the
// source tree); its send file, quoted for the shell.
std::string SampleIn(const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  for (const char* name : {"sample.csv", "sample_nos.csv", "sample_nen.csv"}) {
    std::filesystem::copy_file(test::BookFixture(name), folder / name);
  }
  return "'" + PathToUtf8(folder / "sample.csv") + "'";
}

TEST(ToolProcess, ExitStatusAndShiftJisOutput) {
  test::TempFolder root;
  const std::string book = SampleIn(root.path());
  const ProcessRun utf8 = Tool("list " + book);
  const ProcessRun sjis = Tool("--sjis list " + book);
  EXPECT_EQ(utf8.status, 0);
  EXPECT_EQ(sjis.status, 0);
  EXPECT_FALSE(sjis.output.empty());
  EXPECT_EQ(sjis.output, Utf8ToCp932(utf8.output).bytes);
  EXPECT_EQ(Tool("copy /nonexistent/a.csv /nonexistent/b.csv").status, 1);
  EXPECT_EQ(Tool("frobnicate").status, 2);
}

// The arguments reach the commands through the platform's entry as paths, and the results are the
// bytes the commands wrote (CR LF line ends kept).
TEST(ToolProcess, AJapaneseFolderNameReachesTheCommand) {
  test::TempFolder root;
  const ProcessRun run = Tool("list " + SampleIn(root.path() / PathFromUtf8("年賀状 表ソ能")));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, Tool("list " + SampleIn(root.path() / "plain")).output);
  EXPECT_NE(run.output.find("\r\n"), std::string::npos);
}

}  // namespace
}  // namespace mirelon
