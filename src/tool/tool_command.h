// mirelon-tool's commands: each command file registers itself with a static ToolCommand, e.g.
//   const ToolCommand kCopy{"copy", "SRC.csv DEST.csv", "copies a book", RunCopy};
// and is compiled into the executable (src/tool/CMakeLists.txt).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace mirelon::tool {

class ToolOutput;  // tool_output.h

// Exit status of a command.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // a message reported a failure
inline constexpr int kExitUsage = 2;    // wrong arguments: the command's usage is printed

// Runs a command on its arguments (those after the command name, UTF-8) and returns its status.
using CommandFunction = std::function<int(const std::vector<std::string>& args, ToolOutput& out)>;

struct CommandEntry {
  std::string name;
  std::string usage;    // the arguments, e.g. "SRC.csv DEST.csv"
  std::string summary;  // one line for --help
  CommandFunction run;
};

struct ToolCommand {
  ToolCommand(std::string name, std::string usage, std::string summary, CommandFunction run);
};

// Every registered command, sorted by name.
const std::vector<CommandEntry>& RegisteredCommands();
const CommandEntry* FindCommand(const std::string& name);

}  // namespace mirelon::tool
