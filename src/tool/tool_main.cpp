// mirelon-tool: reads and writes Mirelon books from the command line, exactly as the program does.
#include <string>
#include <vector>

#include "platform/program_entry.h"
#include "platform/utf8_path.h"
#include "tool/tool_commands.h"

int mirelon::ProgramMain(std::span<const std::filesystem::path> arguments) {
  // The commands read their words in UTF-8 and turn the file names among them back into paths.
  std::vector<std::string> words;
  for (const std::filesystem::path& argument : arguments) words.push_back(PathToUtf8(argument));
  const StandardStreams streams =
      TextStreams(tool::AsksForShiftJis(words) ? TextOutputEncoding::Cp932 : TextOutputEncoding::Utf8);
  return tool::RunTool(words, *streams.out, *streams.err);
}
