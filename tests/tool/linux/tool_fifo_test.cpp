// A FIFO named as a book: the tool says it cannot open it instead of waiting for a writer.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <sstream>

#include "platform/utf8_path.h"
#include "support/temp_folder.h"
#include "tool/tool_commands.h"

namespace mirelon {
namespace {

TEST(ToolFifo, AFifoDoesNotHang) {
  test::TempFolder folder;
  ASSERT_EQ(mkfifo((folder / "fifo.csv").c_str(), 0600), 0);
  std::ostringstream out, errors;
  const std::string fifo = PathToUtf8(folder / "fifo.csv");
  EXPECT_EQ(tool::RunTool({"list", fifo}, out, errors), 1);
  EXPECT_EQ(errors.str(), fifo + "\nファイルのオープンに失敗しました\n");
}

}  // namespace
}  // namespace mirelon
