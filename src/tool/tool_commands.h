// mirelon-tool's commands: one constant table (tool_commands.cpp) of plain functions, so that tests
// run a command in-process on an argument vector with captured streams.
#pragma once

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mirelon::tool {

class ToolOutput;  // tool_output.h

// Exit status of a command.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // a message reported a failure
inline constexpr int kExitUsage = 2;    // wrong arguments: the command's usage is printed

// A command: its arguments (those after the command name, UTF-8) in, its status out.
using CommandFunction = int(const std::vector<std::string>& args, ToolOutput& out);

struct CommandEntry {
  std::string_view name;
  std::string_view usage;    // the arguments, e.g. "SRC.csv DEST.csv"
  std::string_view summary;  // one line for --help
  CommandFunction* run;
};

// The commands, one file each (book_commands.cpp holds the three that copy a book).
CommandFunction RunCopy;
CommandFunction RunExport;
CommandFunction RunAdvance;
CommandFunction RunCards;
CommandFunction RunList;
CommandFunction RunLookup;
CommandFunction RunCheck;
CommandFunction RunContactsImport;
CommandFunction RunContactsExport;
CommandFunction RunPostalImport;

// Every command, sorted by name.
std::span<const CommandEntry> Commands();
const CommandEntry* FindCommand(std::string_view name);

// The whole tool on its arguments (those after the program name): results go to `out`, messages
// and usage to `err`; returns the exit status.
int RunTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// Whether the arguments ask for messages and results in Shift-JIS (--sjis).
bool AsksForShiftJis(const std::vector<std::string>& arguments);

}  // namespace mirelon::tool
