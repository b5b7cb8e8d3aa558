// The man page says what --help says: every command with its arguments, and every common option.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "support/temp_folder.h"
#include "tool/tool_commands.h"

namespace mirelon {
namespace {

// The page's text as a reader sees it: font changes dropped, escaped hyphens plain.
std::string PlainManPage() {
  std::string plain = std::regex_replace(test::ReadBytes(MIRELON_MAN_PAGE), std::regex(R"(\\f[BIR])"), "");
  return std::regex_replace(plain, std::regex(R"(\\-)"), "-");
}

TEST(ManPage, ListsEveryCommandAndOptionOfHelp) {
  const std::string page = PlainManPage();
  ASSERT_FALSE(page.empty());
  for (const tool::CommandEntry& command : tool::Commands()) {
    const std::string synopsis = std::string(command.name) + " " + std::string(command.usage);
    EXPECT_NE(page.find(synopsis), std::string::npos) << synopsis;
  }
  std::ostringstream help;
  std::ostringstream errors;
  tool::RunTool({"--help"}, help, errors);
  const std::regex option(R"(^  (--[a-z0-9-]+))");
  std::istringstream lines(help.str());
  for (std::string line; std::getline(lines, line);) {
    std::smatch match;
    if (std::regex_search(line, match, option)) {
      EXPECT_NE(page.find(match[1].str()), std::string::npos) << line;
    }
  }
}

}  // namespace
}  // namespace mirelon
