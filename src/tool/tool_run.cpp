// The tool's front: options common to every command, help, and the command's usage on misuse.
#include <algorithm>
#include <exception>

#include "appcore/app_identity.h"
#include "tool/tool_commands.h"
#include "tool/tool_output.h"

namespace mirelon::tool {

namespace {

void PrintUsage(std::ostream& stream, const CommandEntry& command) {
  stream << "usage: mirelon-tool [--sjis] [--utf8] [--force] " << command.name << ' ' << command.usage << '\n';
}

void PrintHelp(std::ostream& stream) {
  stream << "usage: mirelon-tool [--sjis] [--utf8] [--force] COMMAND ARGUMENTS...\n"
            "Reads and writes Mirelon address books (families of .csv files) as the program does.\n"
            "\ncommands:\n";
  for (const CommandEntry& command : Commands()) {
    stream << "  " << command.name << ' ' << command.usage << "\n      " << command.summary << '\n';
  }
  stream << "\noptions:\n"
            "  --sjis    print messages in Shift-JIS (CP932) instead of UTF-8\n"
            "  --utf8    read a book file written in UTF-8 (converted to Shift-JIS); without it\n"
            "            such a file is refused as broken\n"
            "  --force   answer Yes to the questions that give up data: replacing a file that is not\n"
            "            a book, taking postal data far smaller than the data it replaces\n"
            "  --help    show this text (with a command: its usage)\n"
            "  --version print the version\n"
            "\nThe messages the program would show in a box go to standard error, one per message.\n"
            "Questions the program would ask are answered OK, except those --force answers.\n"
            "Exit status: 0 success, 1 a message reported a failure, 2 wrong arguments.\n";
}

int RunChecked(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const bool sjis = AsksForShiftJis(arguments);
  bool utf8Books = false;
  bool force = false;
  bool help = false;
  std::vector<std::string> words;
  for (const std::string& argument : arguments) {
    if (argument == "--sjis") {
      continue;
    } else if (argument == "--utf8") {
      utf8Books = true;
    } else if (argument == "--force") {
      force = true;
    } else if (argument == "--version" && words.empty()) {
      out << "mirelon-tool " << kVersion << '\n';
      return kExitSuccess;
    } else if (argument == "--help" || argument == "-h") {
      help = true;
    } else if (words.empty() && argument.size() > 1 && argument[0] == '-' && argument[1] == '-') {
      // Options after the command name are the command's own (list --format).
      err << "mirelon-tool: unknown option " << argument << '\n';
      return kExitUsage;
    } else {
      words.push_back(argument);
    }
  }
  const CommandEntry* command = words.empty() ? nullptr : FindCommand(words.front());
  if (help) {
    // A help request runs nothing. With arguments for the command it was not a help request
    // alone: the command line is wrong, and a script must not take it for done.
    const bool alone = words.size() <= 1;
    std::ostream& stream = alone ? out : err;
    command ? PrintUsage(stream, *command) : PrintHelp(stream);
    return alone ? kExitSuccess : kExitUsage;
  }
  if (!command) {
    if (!words.empty()) err << "mirelon-tool: unknown command " << words.front() << '\n';
    PrintHelp(err);
    return kExitUsage;
  }
  ToolOutput output(out, err, sjis, utf8Books, force);
  const int status = command->run({words.begin() + 1, words.end()}, output);
  out << std::flush;
  if (status == kExitUsage) PrintUsage(err, *command);
  return status;
}

}  // namespace

bool AsksForShiftJis(const std::vector<std::string>& arguments) {
  return std::ranges::find(arguments, "--sjis") != arguments.end();
}

int RunTool(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  try {
    return RunChecked(arguments, out, err);
  } catch (const std::exception& error) {
    err << "mirelon-tool: " << error.what() << '\n';
    return kExitFailure;
  }
}

}  // namespace mirelon::tool
