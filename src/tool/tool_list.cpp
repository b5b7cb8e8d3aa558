// mirelon-tool list: the list window's text of a book, laid out by a display-format file or by the
// built-in format.
#include <filesystem>

#include "book/address_book.h"
#include "list/display_format.h"
#include "list/display_format_file.h"
#include "list/list_status_text.h"
#include "list/list_text_builder.h"
#include "platform/settings_store.h"
#include "text/cp932.h"
#include "tool/tool_book.h"
#include "tool/tool_commands.h"
#include "tool/tool_output.h"

namespace mirelon::tool {

int RunList(const std::vector<std::string>& args, ToolOutput& out) {
  std::string source;
  std::string formatFile;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--format") {
      if (i + 1 == args.size() || !formatFile.empty()) return kExitUsage;
      formatFile = args[++i];
    } else if (source.empty()) {
      source = args[i];
    } else {
      return kExitUsage;
    }
  }
  if (source.empty()) return kExitUsage;

  DisplayFormat format = BuiltInDisplayFormat();
  if (!formatFile.empty()) {
    // The tool keeps no settings: the file the list window would remember is forgotten at exit.
    MemorySettingsStore settings;
    if (!LoadDisplayFormatFile(std::filesystem::path(formatFile), format, out, settings)) return kExitFailure;
  }
  AddressBook book;
  if (!ReadToolBook(book, source, out)) return kExitFailure;

  const std::string text = BuildListText(book, format);
  out.PrintResult(text);
  out.Report(Cp932ToUtf8(ListStatusText(format)));
  return kExitSuccess;
}

}  // namespace mirelon::tool
