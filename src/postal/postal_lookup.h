// The postal engines: one search algorithm over either encoding of the sibling program's data
// files. PostalLookup reads the Shift-JIS files, WidePostalLookup the UTF-16 ones; both give the
// same results, messages and dialogs. One engine serves one button press or one bulk check.
#pragma once

#include <memory>

#include "postal/postal_encoding.h"
#include "postal/postal_search.h"

namespace mirelon {

template <class E>
class BasicPostalLookup final : public PostalSearch {
 public:
  using Text = typename E::Text;

  using PostalSearch::PostalSearch;

  void Lookup(std::string_view codeText, std::string_view addressText, std::string_view companyText,
              const std::filesystem::path& addressFile) override;
  void CheckBookAddresses(AddressBook& book, const std::filesystem::path& addressFile) override;
  void CheckBookBusinesses(AddressBook& book, const std::filesystem::path& addressFile) override;

  // The searches Lookup runs; each works on the inputs and paths Lookup set. The code searches
  // and the company search report whether they found (and showed) something.
  bool SearchByCode();
  bool SearchBusinessByCode();
  void SearchByAddress();
  bool SearchByCompany();

 private:
  // The typed address as the address and company searches compare it.
  struct TypedAddress {
    Text prefecture;  // empty when the address does not begin with one
    Text remainder;   // folded, without the prefecture
    Text lead;        // the remainder before its first block number, or empty
    int mask = 0;     // the fold classes of the typed address
  };
  TypedAddress PrepareTypedAddress() const;

  // The bulk checks' one pass over a data file: for every row whose code still has records
  // pending, calls onRow(line, code, records). False when the file could not be opened (reported).
  template <class OnRow>
  bool ForEachPendingRow(const std::filesystem::path& file, const AddressBook& book, OnRow onRow);

  Text codeInput_;
  Text addressInput_;
  Text companyInput_;
};

using PostalLookup = BasicPostalLookup<SjisEncoding>;
using WidePostalLookup = BasicPostalLookup<WideEncoding>;

extern template class BasicPostalLookup<SjisEncoding>;
extern template class BasicPostalLookup<WideEncoding>;

// The engine the data file's encoding selects (`unicode`: the UTF-16 file was found).
std::unique_ptr<PostalSearch> MakePostalLookup(bool unicode, UserPrompt& prompt, PostalResultDialogs* dialogs,
                                               LookupOptions options = {});

}  // namespace mirelon
