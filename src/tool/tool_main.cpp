// mirelon-tool: reads and writes Mirelon books from the command line, exactly as the program does.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tool/tool_command.h"
#include "tool/tool_output.h"

namespace mirelon::tool {

namespace {

void PrintUsage(std::ostream& stream, const CommandEntry& command) {
  stream << "usage: mirelon-tool [--sjis] " << command.name << ' ' << command.usage << '\n';
}

void PrintHelp(std::ostream& stream) {
  stream << "usage: mirelon-tool [--sjis] COMMAND ARGUMENTS...\n"
            "Reads and writes Mirelon address books (families of .csv files) as the program does.\n"
            "\ncommands:\n";
  for (const CommandEntry& command : RegisteredCommands()) {
    stream << "  " << command.name << ' ' << command.usage << "\n      " << command.summary << '\n';
  }
  stream << "\noptions:\n"
            "  --sjis    print messages in Shift-JIS (CP932) instead of UTF-8\n"
            "  --help    show this text\n"
            "\nThe messages the program would show in a box go to standard error, one per message.\n"
            "Questions the program would ask are answered OK.\n"
            "Exit status: 0 success, 1 a message reported a failure, 2 wrong arguments.\n";
}

int Run(const std::vector<std::string>& arguments) {
  bool sjis = false;
  bool help = false;
  std::vector<std::string> words;
  for (const std::string& argument : arguments) {
    if (argument == "--sjis") {
      sjis = true;
    } else if (argument == "--help" || argument == "-h") {
      help = true;
    } else if (words.empty() && argument.size() > 1 && argument[0] == '-' && argument[1] == '-') {
      // Options after the command name are the command's own (list --format).
      std::cerr << "mirelon-tool: unknown option " << argument << '\n';
      return kExitUsage;
    } else {
      words.push_back(argument);
    }
  }
  const CommandEntry* command = words.empty() ? nullptr : FindCommand(words.front());
  if (help) {
    command ? PrintUsage(std::cout, *command) : PrintHelp(std::cout);
    return kExitSuccess;
  }
  if (!command) {
    if (!words.empty()) std::cerr << "mirelon-tool: unknown command " << words.front() << '\n';
    PrintHelp(std::cerr);
    return kExitUsage;
  }
  ToolOutput out(std::cerr, sjis);
  const int status = command->run({words.begin() + 1, words.end()}, out);
  if (status == kExitUsage) PrintUsage(std::cerr, *command);
  return status;
}

}  // namespace

}  // namespace mirelon::tool

int main(int argc, char** argv) {
  try {
    return mirelon::tool::Run({argv + 1, argv + argc});
  } catch (const std::exception& error) {
    std::cerr << "mirelon-tool: " << error.what() << '\n';
    return mirelon::tool::kExitFailure;
  }
}
