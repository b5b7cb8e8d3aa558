// mirelon-tool's commands: each command file registers itself with a static ToolCommand.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace mirelon::tool {

struct ToolOutput;  // defined in tool_output.h

// Exit status of a command: 0 success, 1 a message reported a failure, 2 usage error.
using CommandFunction = std::function<int(const std::vector<std::string>& args, ToolOutput& out)>;

struct ToolCommand {
  ToolCommand(std::string name, std::string usage, CommandFunction run);
};

}  // namespace mirelon::tool
