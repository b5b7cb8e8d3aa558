#include "book/address_record.h"

#include <array>
#include <utility>

#include "book/csv_field.h"
#include "book/history_rules.h"

namespace mirelon {

namespace {

using FieldMember = std::string AddressRecord::*;

constexpr std::array<FieldMember, AddressRecord::kFieldCount> kFields = {
    &AddressRecord::registrationName, &AddressRecord::postalCode,      &AddressRecord::address1,
    &AddressRecord::address2,         &AddressRecord::company1,        &AddressRecord::company2,
    &AddressRecord::position,         &AddressRecord::name,            &AddressRecord::honorific,
    &AddressRecord::jointName1,       &AddressRecord::jointHonorific1, &AddressRecord::jointName2,
    &AddressRecord::jointHonorific2,  &AddressRecord::jointName3,      &AddressRecord::jointHonorific3,
    &AddressRecord::phone,            &AddressRecord::fax,             &AddressRecord::mobile,
    &AddressRecord::email,            &AddressRecord::memo1,           &AddressRecord::memo2,
    &AddressRecord::initialSendState, &AddressRecord::sendHistory,     &AddressRecord::receiveHistory,
};

// Column ranges of the two sides (1-based field numbers).
constexpr int kLastAddressField = 15;
constexpr int kFirstHistoryField = 16;
constexpr int kMemo1Field = 20;
constexpr int kMemo2Field = 21;

bool IsMultiLineField(int n) { return n == kMemo1Field || n == kMemo2Field; }

bool HasAddressSide(BookFileKind kind) { return kind != BookFileKind::HistoryFile; }
bool HasHistorySide(BookFileKind kind) {
  return kind == BookFileKind::ImportFile || kind == BookFileKind::HistoryFile;
}

// Fills the empty history fields of `to` by `take(field, n)`, copying or moving.
template <typename Take>
void TakeHistory(AddressRecord& to, Take take) {
  for (int n = kFirstHistoryField; n <= AddressRecord::kFieldCount; ++n) {
    if (to.Field(n).empty()) take(to.Field(n), n);
  }
  to.pairing = Pairing::Joined;
}

}  // namespace

std::string& AddressRecord::Field(int n) { return this->*kFields[static_cast<size_t>(n - 1)]; }
const std::string& AddressRecord::Field(int n) const { return this->*kFields[static_cast<size_t>(n - 1)]; }

std::string AddressRecord::ToCsvLine(BookFileKind kind) const {
  std::string line;
  AppendCsvField(line, registrationName);
  const auto append = [&](int first, int last) {
    for (int n = first; n <= last; ++n) {
      line += ',';
      AppendCsvField(line, Field(n));
    }
  };
  if (HasAddressSide(kind)) append(2, kLastAddressField);
  if (HasHistorySide(kind)) append(kFirstHistoryField, kFieldCount);
  return line;
}

void AddressRecord::FromCsvLine(std::string_view line, BookFileKind kind) {
  size_t pos = 0;
  for (int n = 1; n <= kFieldCount; ++n) {
    std::string& field = Field(n);
    const bool inFile = n == 1 || (n <= kLastAddressField ? HasAddressSide(kind) : HasHistorySide(kind));
    if (!inFile) {
      field.clear();
      continue;
    }
    pos = IsMultiLineField(n) ? ReadCsvTextField(line, pos, field) : ReadCsvField(line, pos, field);
  }
  if (kind == BookFileKind::ImportFile) {
    // An imported record gets one of the two send states and no empty history.
    if (initialSendState != NoSendStateText()) initialSendState = SendStateText();
    for (std::string* history : {&sendHistory, &receiveHistory}) {
      if (history->empty()) *history = BlankMark();
    }
  }
  pairing = Pairing::AddressOnly;
}

void AddressRecord::TakeHistoryFrom(const AddressRecord& other) {
  TakeHistory(*this, [&](std::string& field, int n) { field = other.Field(n); });
}

void AddressRecord::TakeHistoryFrom(AddressRecord&& other) {
  TakeHistory(*this, [&](std::string& field, int n) { field = std::move(other.Field(n)); });
}

}  // namespace mirelon
