// BasicPostalLookup's bulk check of a whole book; included only where the two engines are
// instantiated. Each data file is read once; a row is compared with the records of its code only.
#pragma once

#include <optional>

#include "postal/pending_records.h"
#include "postal/postal_lookup_searches.h"

namespace mirelon {
namespace postal_detail {

// A record's address as the check compares it: normalised, its prefecture split off, not folded.
template <class E>
struct RecordAddress {
  typename E::Text prefecture;
  typename E::Text remainder;
};

// Normalises each record's address the first time a row asks for it.
template <class E>
class RecordAddresses {
 public:
  explicit RecordAddresses(const AddressBook& book)
      : book_(book), addresses_(static_cast<size_t>(book.recordCount())) {}

  const RecordAddress<E>& Get(int index) {
    std::optional<RecordAddress<E>>& address = addresses_[static_cast<size_t>(index)];
    if (!address) {
      const AddressRecord& record = book_.record(index);
      typename E::Text text = E::FromSjis(record.address1 + record.address2);
      NormalizeInput(text);
      auto split = SplitPrefecture(text);
      address = RecordAddress<E>{std::move(split.prefecture), std::move(split.remainder)};
    }
    return *address;
  }

 private:
  const AddressBook& book_;
  std::vector<std::optional<RecordAddress<E>>> addresses_;
};

// The record's address fits a row whose city and town area (prepared and folded with kFoldAll,
// which found `rowMask`) are `rowText`.
template <class E>
bool AddressFits(const RecordAddress<E>& address, const typename E::Text& rowPrefecture,
                 const typename E::Text& rowText, int rowMask) {
  if (E::Length(address.prefecture) > 0 && !(address.prefecture == rowPrefecture)) return false;
  typename E::Text remainder = address.remainder;
  FoldForMatch(remainder, rowMask);
  if (AgreeOnShorter<E>(remainder, rowText)) return true;
  const typename E::Text lead = LeadBeforeBlockNumber(remainder);
  return E::Length(lead) >= kVagueChars * E::kCharUnits && AgreeOnShorter<E>(lead, rowText);
}

}  // namespace postal_detail

template <class E>
template <class OnRow>
bool BasicPostalLookup<E>::ForEachPendingRow(const std::filesystem::path& file, const AddressBook& book, OnRow onRow) {
  using namespace postal_detail;
  std::optional<typename E::LineReader> lines = E::OpenLines(file);
  if (!lines) {
    ReportOpenFailure(file);
    return false;
  }
  BusyScope busy(dialogs_);
  const PendingRecords pending(book);
  Text codeField;
  typename E::Line line;
  while (E::ReadLine(*lines, line)) {
    if (line.size() <= kFieldsStart) continue;
    E::ReadField(line, 0, codeField);
    const int32_t code = ParseRowCode(E::ViewOf(codeField));
    if (const std::vector<int>* records = pending.Find(code)) onRow(line, code, *records);
  }
  return true;
}

template <class E>
void BasicPostalLookup<E>::CheckBookAddresses(AddressBook& book, const std::filesystem::path& addressFile) {
  using namespace postal_detail;
  book.ComputePostalKeys();
  HoldZeroCodesPending(book);
  RecordAddresses<E> addresses(book);
  Text prefecture, city, townArea, rowText;
  const auto checkRow = [&](const auto& line, int32_t code, const std::vector<int>& records) {
    bool rowRead = false;
    int rowMask = 0;
    for (const int index : records) {
      int32_t& value = book.postalCheckValue[static_cast<size_t>(index)];
      if (value != PendingValue(code)) continue;
      if (!rowRead) {
        const size_t pos = E::ReadField(line, E::ReadField(line, kFieldsStart, prefecture), city);
        E::ReadField(line, pos, townArea);
        rowText = city + TownAreaForMatch(townArea);
        rowMask = FoldForMatch(rowText, kFoldAll);
        rowRead = true;
      }
      if (AddressFits<E>(addresses.Get(index), prefecture, rowText, rowMask)) value = 0;
    }
  };
  if (ForEachPendingRow(addressFile, book, checkRow)) book.postalCheckDone = true;
}

template <class E>
void BasicPostalLookup<E>::CheckBookBusinesses(AddressBook& book, const std::filesystem::path& addressFile) {
  using namespace postal_detail;
  std::vector<Text> companies(static_cast<size_t>(book.recordCount()));
  bool anyCompany = false;
  for (int i = 0; i < book.recordCount(); ++i) {
    Text& company = companies[static_cast<size_t>(i)];
    company = E::FromSjis(book.record(i).company1 + book.record(i).company2);
    NormalizeInput(company);
    StripCompanyWordsNoSpace(company);
    anyCompany = anyCompany || E::Length(company) > 0;
  }
  if (!anyCompany) return;
  const std::filesystem::path businessFile = BusinessFilePath(addressFile, E::kUnicode);
  std::error_code error;
  if (!std::filesystem::exists(businessFile, error)) return;
  RecordAddresses<E> addresses(book);
  Text name, prefecture, city, townArea, rowText;
  const auto checkRow = [&](const auto& line, int32_t code, const std::vector<int>& records) {
    bool rowRead = false;
    int nameMask = 0;
    int rowMask = 0;
    for (const int index : records) {
      int32_t& value = book.postalCheckValue[static_cast<size_t>(index)];
      const Text& recordCompany = companies[static_cast<size_t>(index)];
      if (value != PendingValue(code) || E::Length(recordCompany) == 0) continue;
      if (!rowRead) {
        size_t pos = E::ReadField(line, kFieldsStart, name);
        name = BusinessNameForMatch(name, 0);
        nameMask = FoldForMatch(name, kFoldAll);
        pos = E::ReadField(line, E::ReadField(line, pos, prefecture), city);
        E::ReadField(line, pos, townArea);
        rowText = city + townArea;
        rowMask = FoldForMatch(rowText, kFoldAll);
        rowRead = true;
      }
      Text company = recordCompany;
      FoldForMatch(company, nameMask);
      if (!StartsWith<E>(company, name) && !StartsWith<E>(name, company)) continue;
      if (AddressFits<E>(addresses.Get(index), prefecture, rowText, rowMask)) value = 0;
    }
  };
  if (ForEachPendingRow(businessFile, book, checkRow)) book.postalCheckDone = true;
}

}  // namespace mirelon
