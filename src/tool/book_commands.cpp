// The commands that read a book and write it again: copy, export, advance.
#include "book/book_files.h"
#include "book/history_rules.h"
#include "platform/utf8_path.h"
#include "text/cp932.h"
#include "tool/tool_book.h"
#include "tool/tool_commands.h"
#include "tool/tool_output.h"

namespace mirelon::tool {

namespace {

int Status(bool succeeded) { return succeeded ? kExitSuccess : kExitFailure; }
int Status(SaveResult saved) { return Status(static_cast<bool>(saved)); }

}  // namespace

int RunCopy(const std::vector<std::string>& args, ToolOutput& out) {
  if (args.size() != 2) return kExitUsage;
  AddressBook book;
  if (!ReadToolBook(book, PathFromUtf8(args[0]), out)) return kExitFailure;
  return Status(SaveBookFamilyAs(book, PathFromUtf8(args[1])));
}

int RunExport(const std::vector<std::string>& args, ToolOutput& out) {
  if (args.size() != 1) return kExitUsage;
  AddressBook book;
  if (!ReadToolBook(book, PathFromUtf8(args[0]), out)) return kExitFailure;
  return Status(SaveBookFile(book, BookFileKind::ImportFile));
}

int RunAdvance(const std::vector<std::string>& args, ToolOutput& out) {
  if (args.size() != 2) return kExitUsage;
  const Cp932Encoded typed = Utf8ToCp932(args[1]);
  if (!typed.ok() || typed.bytes.size() > 2) {
    out.Report("MARK must be one full-width character or up to two half-width characters of Shift-JIS");
    return kExitUsage;
  }
  if (IsBlankMark(typed.bytes)) {
    // The options window ends a click with a blank mark the same way: such a mark would read as sent.
    out.Report("a blank MARK would read as \"sent\": nothing was updated");
    return kExitFailure;
  }
  AddressBook book;
  if (!ReadToolBook(book, PathFromUtf8(args[0]), out)) return kExitFailure;
  const int calendarYear = CurrentLocalYear();
  if (!CanAdvanceHistoryYear(book, calendarYear)) {
    out.Report("the histories already reach " + std::to_string(book.year) + ", later than the calendar year " +
               std::to_string(calendarYear) + ": nothing was updated");
    return kExitFailure;
  }
  AdvanceHistoryYear(book, NormalizeNonSendMark(typed.bytes));
  return Status(WriteBookFamily(book));
}

}  // namespace mirelon::tool
