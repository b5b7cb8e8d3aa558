// What the postal engines hand to their result dialogs and get back. The engines never show
// anything themselves: the program implements PostalResultDialogs with its eight dialogs, tests
// and mirelon-tool with stand-ins.
#pragma once

#include <string>
#include <vector>

namespace mirelon {

// The lookup options the dialogs offer and remember (settings kenmeiNashi, bangoHyphen,
// bangoZenkaku): omit the prefecture, show the code with a hyphen, show it in full width.
struct LookupOptions {
  bool kenmeiNashi = false;
  bool bangoHyphen = false;
  bool bangoZenkaku = false;
  bool operator==(const LookupOptions&) const = default;
};

enum class PostalDialogKind {
  CodeResult,                // a postal code for the typed address: one row
  CodeChoice,                //   several rows
  BusinessCodeResult,        // a business's own postal code for the typed company: one row
  BusinessCodeChoice,        //   several rows
  AddressResult,             // the address of the typed postal code: one row
  AddressChoice,             //   several rows
  BusinessAddressResult,     // the business and address of a business postal code: one row
  BusinessAddressChoice,     //   several rows
};

// Offers a postal code (and, on request, an address) rather than an address.
constexpr bool IsCodeDialog(PostalDialogKind kind) { return kind <= PostalDialogKind::BusinessCodeChoice; }
constexpr bool IsBusinessDialog(PostalDialogKind kind) {
  return kind == PostalDialogKind::BusinessCodeResult || kind == PostalDialogKind::BusinessCodeChoice ||
         kind == PostalDialogKind::BusinessAddressResult || kind == PostalDialogKind::BusinessAddressChoice;
}

// One data row as the file has it (CP932); businessName and detail only in business rows.
struct PostalRow {
  std::string code;  // seven digits
  std::string businessName;
  std::string prefecture;
  std::string city;
  std::string townArea;
  std::string detail;
  bool operator==(const PostalRow&) const = default;
};

struct PostalDialogRequest {
  PostalDialogKind kind = PostalDialogKind::CodeResult;
  std::vector<PostalRow> rows;  // one for the Result kinds, every row found for the Choice kinds
  std::string typedAddress;     // address lines 1 and 2 as normalised
  std::string typedCompany;     // company lines 1 and 2 as normalised (business kinds)
  LookupOptions options;
};

// OK with the texts as the dialog shows them at that moment, or Cancel (ok false, nothing else).
struct PostalDialogAnswer {
  bool ok = false;
  std::string codeText;      // code dialogs
  std::string addressText;
  std::string businessName;  // business dialogs
  bool rewriteAddress = false;  // "住所も書き換える" (code dialogs)
  LookupOptions options;        // as the user left them
};

class PostalResultDialogs {
 public:
  virtual ~PostalResultDialogs() = default;
  virtual PostalDialogAnswer Show(const PostalDialogRequest& request) = 0;
  // While a data file is read (a wait cursor in the program).
  virtual void SetBusy(bool) {}
};

}  // namespace mirelon
