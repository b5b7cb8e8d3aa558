// The interface of the two postal engines (PostalLookup over Shift-JIS data files,
// WidePostalLookup over UTF-16 ones) and what they share: the results the editor writes back, the
// data file paths, the lookup options, and how they show messages and result dialogs.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "book/address_book.h"
#include "book/user_prompt.h"
#include "postal/postal_result.h"

namespace mirelon {

class PostalSearch {
 public:
  // `dialogs` may be null for an engine that only checks a book; a search then finds its rows
  // but takes nothing.
  PostalSearch(UserPrompt& prompt, PostalResultDialogs* dialogs, LookupOptions options)
      : options_(options), prompt_(prompt), dialogs_(dialogs) {}
  virtual ~PostalSearch() = default;
  PostalSearch(const PostalSearch&) = delete;
  PostalSearch& operator=(const PostalSearch&) = delete;

  // One press of the postal search button: the typed code, address lines 1 and 2 joined and
  // company lines 1 and 2 joined (CP932), and the address data file (nothing happens without one).
  // A valid code is looked up in the address file, then the business file; otherwise the company
  // and then the address. Fills the results.
  virtual void Lookup(std::string_view codeText, std::string_view addressText, std::string_view companyText,
                      const std::filesystem::path& addressFile) = 0;

  // The bulk check of every record's postal code against its address, then its company: sets the
  // book's postalCheckValue (0 where the code fits) and postalCheckDone. Run in this order.
  virtual void CheckBookAddresses(AddressBook& book, const std::filesystem::path& addressFile) = 0;
  virtual void CheckBookBusinesses(AddressBook& book, const std::filesystem::path& addressFile) = 0;

  // What the user confirmed, as the dialog showed it; empty when nothing.
  const std::string& codeResult() const { return codeResult_; }
  const std::string& addressResult() const { return addressResult_; }
  const std::string& companyResult() const { return companyResult_; }
  // The options as the last confirmed dialog left them (an address dialog changes only kenmeiNashi).
  const LookupOptions& options() const { return options_; }
  const std::filesystem::path& businessFilePath() const { return businessFilePath_; }

 protected:
  void ShowMessage(std::string_view utf8Text);
  void ReportOpenFailure(const std::filesystem::path& path);
  // Shows the one-row or the list kind with the rows; on OK takes the options the user left.
  PostalDialogAnswer ShowRows(PostalDialogKind oneRow, PostalDialogKind several, std::vector<PostalRow> rows,
                              std::string typedAddress, std::string typedCompany);
  // A business listed twice shows as one row.
  static void CollapseDuplicatePair(std::vector<PostalRow>& rows);

  // The wait cursor while a data file is read.
  class BusyScope {
   public:
    explicit BusyScope(PostalResultDialogs* dialogs) : dialogs_(dialogs) {
      if (dialogs_) dialogs_->SetBusy(true);
    }
    ~BusyScope() {
      if (dialogs_) dialogs_->SetBusy(false);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    PostalResultDialogs* dialogs_;
  };

  std::string codeResult_;
  std::string addressResult_;
  std::string companyResult_;
  std::filesystem::path addressFilePath_;
  std::filesystem::path businessFilePath_;  // empty when there is no business file
  LookupOptions options_;
  UserPrompt& prompt_;
  PostalResultDialogs* dialogs_;
};

}  // namespace mirelon
