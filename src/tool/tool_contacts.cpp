// mirelon-tool contacts-import and contacts-export: a phone's vCards or a spreadsheet's table into a
// book, and the book out again, as the editor's contacts windows do.
#include <filesystem>
#include <string>

#include "book/book_files.h"
#include "contacts/contact_files.h"
#include "contacts/contact_import.h"
#include "text/cp932.h"
#include "tool/tool_args.h"
#include "tool/tool_book.h"
#include "tool/tool_commands.h"
#include "tool/tool_output.h"

namespace mirelon::tool {

namespace {

std::string HeaderText(const std::vector<std::string>& header) {
  std::string text;
  for (const std::string& name : header) text += (text.empty() ? "" : ",") + name;
  return text;
}

// The contacts of `file`, with `map` over a table's columns; false (reported) when they cannot be had.
bool ReadContacts(const std::string& file, const std::string& map, ToolOutput& out, ContactsRead& contacts) {
  ContactSource source;
  const ContactFileRead read = ReadContactFile(file, source);
  if (read != ContactFileRead::Read) {
    out.Message(ContactFileMessage(read, file));
    return false;
  }
  if (source.kind == ContactFileKind::Table && !map.empty()) {
    if (const auto error = ApplyColumnMap(map, source.table.header, source.columns)) {
      out.Report("--map: " + *error);
      return false;
    }
    source.columnsKnown = true;
  }
  if (source.kind == ContactFileKind::Table && !source.columnsKnown) {
    out.Report("the columns of " + file + " are not known (" + HeaderText(source.table.header) +
               "): say where they go with --map COLUMN=FIELD,...");
    return false;
  }
  contacts = source.Contacts();
  return true;
}

}  // namespace

int RunContactsImport(const std::vector<std::string>& args, ToolOutput& out) {
  std::string map;
  std::vector<std::string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--map") {
      if (!TakeOptionValue(args, i, map) || map.empty()) return kExitUsage;
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) return kExitUsage;
  if (!IsBookPath(files[1])) {
    out.Message(Sjis("ファイル名が不正です"));
    return kExitFailure;
  }
  ContactsRead contacts;
  if (!ReadContacts(files[0], map, out, contacts)) return kExitFailure;

  AddressBook book;
  AddressBook probe;
  const bool exists = probe.SetFileName(files[1]);
  if (exists && !ReadToolBook(book, files[1], out)) return kExitFailure;
  book.SetPrompt(&out);
  const ImportSummary summary = ImportContacts(book, contacts);
  out.Report(SummaryLine(summary));
  for (const ContactReport& report : summary.reports) out.Report(report.text);
  if (!exists) return SaveBookFamilyAs(book, files[1]) ? kExitSuccess : kExitFailure;
  if (!summary.ChangesBook()) return kExitSuccess;
  return WriteBookFamily(book) ? kExitSuccess : kExitFailure;
}

int RunContactsExport(const std::vector<std::string>& args, ToolOutput& out) {
  if (args.size() != 2) return kExitUsage;
  AddressBook book;
  if (!ReadToolBook(book, args[0], out)) return kExitFailure;
  std::string message;
  if (!WriteContactFile(book, args[1], message)) {
    out.Message(message);
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace mirelon::tool
