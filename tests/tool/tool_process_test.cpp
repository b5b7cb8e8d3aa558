// The mirelon-tool executable: what a script sees of it (exit status, and the raw bytes of --sjis).
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

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

TEST(ToolProcess, ExitStatusAndShiftJisOutput) {
  // A copy: reading takes a lock file beside the book, which must not land in the source tree.
  test::TempFolder root;
  std::filesystem::copy_file(test::BookFixture("sample.csv"), root / "sample.csv");
  const std::string book = "'" + (root / "sample.csv").string() + "'";
  const ProcessRun utf8 = Tool("list " + book);
  const ProcessRun sjis = Tool("--sjis list " + book);
  EXPECT_EQ(utf8.status, 0);
  EXPECT_EQ(sjis.status, 0);
  EXPECT_FALSE(sjis.output.empty());
  EXPECT_EQ(sjis.output, Utf8ToCp932(utf8.output).bytes);
  EXPECT_EQ(Tool("copy /nonexistent/a.csv /nonexistent/b.csv").status, 1);
  EXPECT_EQ(Tool("frobnicate").status, 2);
}

}  // namespace
}  // namespace mirelon
