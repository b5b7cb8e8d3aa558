// mirelon-tool list: the list window's text of a book, laid out by a display-format file or by the
// built-in format; with --page, paginated as the printout lays it out.
#include <filesystem>
#include <optional>

#include "book/address_book.h"
#include "list/display_format.h"
#include "list/display_format_file.h"
#include "list/list_page_layout.h"
#include "list/list_status_text.h"
#include "list/list_text_builder.h"
#include "platform/settings_store.h"
#include "platform/utf8_path.h"
#include "text/cp932.h"
#include "tool/tool_args.h"
#include "tool/tool_book.h"
#include "tool/tool_commands.h"
#include "tool/tool_output.h"

namespace mirelon::tool {

namespace {

// "LINESxCELLS", both at least 1.
std::optional<PageCells> ParsePage(std::string_view text) {
  const size_t x = text.find('x');
  if (x == std::string_view::npos) return std::nullopt;
  const std::optional<int> lines = ParsePositiveNumber(text.substr(0, x));
  const std::optional<int> cells = ParsePositiveNumber(text.substr(x + 1));
  if (!lines || !cells) return std::nullopt;
  return PageCells{*lines, *cells};
}

// The printed lines with the list's line ends, a form feed between pages.
std::string PaginatedText(std::string text, PageCells cells, bool wordWrap) {
  const ListPageLayout layout(std::move(text), cells, wordWrap);
  std::string pages;
  for (int page = 1; page <= layout.PageCount(); ++page) {
    if (page > 1) pages += '\f';
    for (const std::string_view line : layout.PageLines(page)) (pages += line) += "\r\n";
  }
  return pages;
}

}  // namespace

int RunList(const std::vector<std::string>& args, ToolOutput& out) {
  std::string source;
  std::string formatFile;
  std::optional<PageCells> page;
  bool wordWrap = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--format") {
      if (!TakeOptionValue(args, i, formatFile)) return kExitUsage;
    } else if (args[i] == "--page") {
      if (i + 1 == args.size() || page) return kExitUsage;
      page = ParsePage(args[++i]);
      if (!page) return kExitUsage;
    } else if (args[i] == "--wrap") {
      wordWrap = true;
    } else if (source.empty()) {
      source = args[i];
    } else {
      return kExitUsage;
    }
  }
  // Wrapping is the printout's (and the window's); the text itself has no page width.
  if (source.empty() || (wordWrap && !page)) return kExitUsage;

  DisplayFormat format = BuiltInDisplayFormat();
  if (!formatFile.empty()) {
    // The tool keeps no settings: the file the list window would remember is forgotten at exit.
    MemorySettingsStore settings;
    if (!LoadDisplayFormatFile(PathFromUtf8(formatFile), format, out, settings)) return kExitFailure;
  }
  AddressBook book;
  if (!ReadToolBook(book, PathFromUtf8(source), out)) return kExitFailure;

  std::string text = BuildListText(book, format);
  out.PrintResult(page ? PaginatedText(std::move(text), *page, wordWrap) : text);
  out.Report(Cp932ToUtf8(ListStatusText(format)));
  return kExitSuccess;
}

}  // namespace mirelon::tool
