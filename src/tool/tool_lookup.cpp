// mirelon-tool lookup: one press of the postal search button on a data file. The result dialog is
// printed (its name, then its list lines) and left with Cancel.
#include <algorithm>
#include <optional>

#include "platform/utf8_path.h"
#include "postal/postal_result_text.h"
#include "text/cp932.h"
#include "tool/tool_commands.h"
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
  explicit PrintedDialogs(ToolOutput& out) : out_(out) {}
  PostalDialogAnswer Show(const PostalDialogRequest& request) override {
    out_.results() << DialogName(request.kind) << '\n';
    for (const PostalRow& row : request.rows) out_.PrintResult(ComposeListLine(request.kind, row) + "\n");
    return {};
  }

 private:
  ToolOutput& out_;
};

}  // namespace

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
  PrintedDialogs dialogs(out);
  const std::filesystem::path addressFile = PathFromUtf8(dataFile);
  PostalEngineFor(addressFile, prompt, &dialogs)
      ->Lookup(typed[0].value_or(""), typed[1].value_or(""), typed[2].value_or(""), addressFile);
  return prompt.count() == 0 ? kExitSuccess : kExitFailure;
}

}  // namespace mirelon::tool
