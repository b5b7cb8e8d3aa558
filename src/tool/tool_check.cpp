// mirelon-tool check: the index window's address check of a book against a postal data file,
// printed as the window's list restricted to the records to check.
#include <cstdio>
#include <iostream>

#include "text/cp932.h"
#include "text/sjis.h"
#include "tool/tool_book.h"
#include "tool/tool_command.h"
#include "tool/tool_postal.h"

namespace mirelon::tool {

namespace {

constexpr int kNameCells = 20;

// The index list's line of record `index`: number, registration name, name.
std::string IndexLine(const AddressRecord& record, int index) {
  char number[8];
  std::snprintf(number, sizeof number, index < 999 ? "%3d " : "%3d", index + 1);
  std::string registrationName = record.registrationName;
  std::string name = record.name;
  FitToHalfWidth(registrationName, kNameCells, true);
  FitToHalfWidth(name, kNameCells, false);
  return std::string(number) + " " + registrationName + "  " + name;
}

int RunCheck(const std::vector<std::string>& args, ToolOutput& out) {
  if (args.size() != 2) return kExitUsage;
  AddressBook book;
  if (!ReadToolBook(book, args[0], out)) return kExitFailure;
  CountingPrompt prompt(out);
  const std::filesystem::path addressFile(args[1]);
  const auto engine = PostalEngineFor(addressFile, prompt, nullptr);
  engine->CheckBookAddresses(book, addressFile);
  engine->CheckBookBusinesses(book, addressFile);
  if (!book.postalCheckDone) return kExitFailure;

  std::vector<std::string> lines;
  for (int i = 0; i < book.recordCount(); ++i) {
    if (book.postalCheckValue[static_cast<size_t>(i)] != 0) lines.push_back(IndexLine(book.record(i), i));
  }
  if (lines.empty()) lines.push_back(Sjis("　　　　該当するデータはありません"));
  for (const std::string& line : lines) std::cout << (out.sjis() ? line : Cp932ToUtf8(line)) << '\n';
  std::cout << std::flush;
  return prompt.count() == 0 ? kExitSuccess : kExitFailure;
}

const ToolCommand kCheck{"check", "SRC.csv DATA.csv",
                         "check every postal code of SRC's book against its address in the postal data file DATA; "
                         "prints the records to check",
                         RunCheck};

}  // namespace

}  // namespace mirelon::tool
