// mirelon-tool check: the index window's address check of a book against a postal data file,
// printed as the window's list restricted to the records to check.
#include "book/index_list.h"
#include "platform/utf8_path.h"
#include "tool/tool_book.h"
#include "tool/tool_commands.h"
#include "tool/tool_postal.h"

namespace mirelon::tool {

int RunCheck(const std::vector<std::string>& args, ToolOutput& out) {
  if (args.size() != 2) return kExitUsage;
  AddressBook book;
  if (!ReadToolBook(book, PathFromUtf8(args[0]), out)) return kExitFailure;
  CountingPrompt prompt(out);
  const std::filesystem::path addressFile = PathFromUtf8(args[1]);
  const auto engine = PostalEngineFor(addressFile, prompt, nullptr);
  engine->CheckBookAddresses(book, addressFile);
  engine->CheckBookBusinesses(book, addressFile);
  if (!book.postalCheckDone) return kExitFailure;

  for (const std::string& line : BuildIndexList(book, true).lines) out.PrintResult(line + "\n");
  return prompt.count() == 0 ? kExitSuccess : kExitFailure;
}

}  // namespace mirelon::tool
