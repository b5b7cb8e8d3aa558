#include "tool/tool_command.h"

#include <algorithm>

namespace mirelon::tool {

namespace {

// Constructed on first use: the registrars of other files may run before this file's statics.
std::vector<CommandEntry>& Registry() {
  static std::vector<CommandEntry> commands;
  return commands;
}

}  // namespace

ToolCommand::ToolCommand(std::string name, std::string usage, std::string summary, CommandFunction run) {
  std::vector<CommandEntry>& commands = Registry();
  CommandEntry entry{std::move(name), std::move(usage), std::move(summary), std::move(run)};
  const auto at = std::lower_bound(commands.begin(), commands.end(), entry.name,
                                   [](const CommandEntry& e, const std::string& n) { return e.name < n; });
  commands.insert(at, std::move(entry));
}

const std::vector<CommandEntry>& RegisteredCommands() { return Registry(); }

const CommandEntry* FindCommand(const std::string& name) {
  for (const CommandEntry& entry : Registry()) {
    if (entry.name == name) return &entry;
  }
  return nullptr;
}

}  // namespace mirelon::tool
