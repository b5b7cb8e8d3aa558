// mirelon-tool lookup: one press of the postal search button on a data file. The result dialog is
// printed (its name, then its list lines) and left with Cancel.
#include <algorithm>
#include <iostream>
#include <optional>

#include "postal/postal_result_text.h"
#include "text/cp932.h"
#include "tool/tool_command.h"
#include "tool/tool_postal.h"

namespace mirelon::tool {

namespace {

std::string_view DialogName(PostalDialogKind kind) {
  switch (kind) {
    case PostalDialogKind::CodeResult: return "CodeResultDialog";
    case PostalDialogKind::CodeChoice: return "CodeChoiceDialog";
    case PostalDialogKind::BusinessCodeResult: return "BusinessCodeResultDialog";
    case PostalDialogKind::BusinessCodeChoice: return "BusinessCodeChoiceDialog";
    case PostalDialogKind::AddressResult: return "AddressResultDialog";
    case PostalDialogKind::AddressChoice: return "AddressChoiceDialog";
    case PostalDialogKind::BusinessAddressResult: return "BusinessAddressResultDialog";
    case PostalDialogKind::BusinessAddressChoice: return "BusinessAddressChoiceDialog";
  }
  return {};
}

class PrintedDialogs final : public PostalResultDialogs {
 public:
  explicit PrintedDialogs(bool sjis) : sjis_(sjis) {}
  PostalDialogAnswer Show(const PostalDialogRequest& request) override {
    std::cout << DialogName(request.kind) << '\n';
    for (const PostalRow& row : request.rows) {
      const std::string line = ComposeListLine(request.kind, row);
      std::cout << (sjis_ ? line : Cp932ToUtf8(line)) << '\n';
    }
    std::cout << std::flush;
    return {};
  }

 private:
  bool sjis_;
};

int RunLookup(const std::vector<std::string>& args, ToolOutput& out) {
  std::string dataFile;
  std::optional<std::string> typed[3];  // code, address, company
  const std::string_view options[3] = {"--code", "--address", "--company"};
  for (size_t i = 0; i < args.size(); ++i) {
    const auto option = std::find(std::begin(options), std::end(options), args[i]);
    if (option == std::end(options)) {
      if (!dataFile.empty()) return kExitUsage;
      dataFile = args[i];
      continue;
    }
    std::optional<std::string>& text = typed[option - std::begin(options)];
    if (i + 1 == args.size() || text) return kExitUsage;
    Cp932Encoded encoded = Utf8ToCp932(args[++i]);
    if (!encoded.ok()) {
      out.Report(std::string(*option) + " holds a character that Shift-JIS cannot hold");
      return kExitUsage;
    }
    text = std::move(encoded.bytes);
  }
  if (dataFile.empty()) return kExitUsage;

  CountingPrompt prompt(out);
  PrintedDialogs dialogs(out.sjis());
  const std::filesystem::path addressFile(dataFile);
  PostalEngineFor(addressFile, prompt, &dialogs)
      ->Lookup(typed[0].value_or(""), typed[1].value_or(""), typed[2].value_or(""), addressFile);
  return prompt.count() == 0 ? kExitSuccess : kExitFailure;
}

const ToolCommand kLookup{"lookup", "DATA.csv [--code TEXT] [--address TEXT] [--company TEXT]",
                          "search the postal data file DATA (and the business file beside it) as the postal "
                          "search button does; prints the result dialog and its lines",
                          RunLookup};

}  // namespace

}  // namespace mirelon::tool
