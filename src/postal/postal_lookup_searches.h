// BasicPostalLookup's interactive searches; included only where the two engines are instantiated.
#pragma once

#include <array>

#include "postal/candidate_rule.h"
#include "postal/postal_files.h"
#include "postal/postal_lookup.h"
#include "postal/postal_normalize.h"

namespace mirelon {
namespace postal_detail {

constexpr std::string_view kInvalidCodeMessage = "郵便番号が正しくありません";
constexpr std::string_view kNothingTypedMessage = "郵便番号または住所のいずれかを入力してください";
constexpr std::string_view kCodeNotFoundMessage = "郵便番号に該当する住所が見付かりません";
constexpr std::string_view kVagueAddressMessage = "住所が曖昧で郵便番号を絞り込めません";
constexpr std::string_view kTooManyMessage = "該当する郵便番号の候補が30以上あります";
constexpr std::string_view kAddressNotFoundMessage = "住所に該当する郵便番号が見付かりません";

// Every row starts with its code in quotes and a comma; the other fields follow from here.
constexpr size_t kFieldsStart = 10;
// Characters, counted in the encoding's units by multiplying with E::kCharUnits.
constexpr size_t kVagueChars = 3;     // a remainder or lead shorter than this is too vague
constexpr size_t kCityHeadChars = 2;  // the first characters of a row's city must match the remainder
constexpr size_t kMinCompanyChars = 1;

// The row carries the code: its first occurrence in the line is right after the opening quote.
template <class E>
bool RowHasCode(typename E::Line line, const typename E::Text& code) {
  const typename E::Line wanted = E::ViewOf(code);
  return line.size() > kFieldsStart && line.substr(1, wanted.size()) == wanted &&
         line.substr(0, wanted.size()) != wanted;
}

template <class E, size_t N>
size_t ReadFields(typename E::Line line, size_t pos, std::array<typename E::Text, N>& fields) {
  for (auto& field : fields) pos = E::ReadField(line, pos, field);
  return pos;
}

// The code of a row: its first field without the quotes.
template <class E>
std::string RowCode(typename E::Line line) {
  typename E::Text code;
  E::ReadField(line, 0, code);
  return E::ToSjis(code);
}

}  // namespace postal_detail

template <class E>
void BasicPostalLookup<E>::Lookup(std::string_view codeText, std::string_view addressText,
                                  std::string_view companyText, const std::filesystem::path& addressFile) {
  using namespace postal_detail;
  if (addressFile.empty()) return;
  addressFilePath_ = addressFile;
  const std::filesystem::path business = BusinessFilePath(addressFile, E::kUnicode);
  std::error_code error;
  businessFilePath_ = std::filesystem::exists(business, error) ? business : std::filesystem::path();

  codeInput_ = E::FromSjis(NormalizePostalCode(codeText));
  addressInput_ = E::FromSjis(addressText);
  NormalizeInput(addressInput_);
  companyInput_ = E::FromSjis(companyText);
  NormalizeInput(companyInput_);

  if (E::Length(codeInput_) == 0) {
    if (E::Length(addressInput_) == 0 && E::Length(companyInput_) == 0) {
      ShowMessage(codeText.empty() ? kNothingTypedMessage : kInvalidCodeMessage);
      return;
    }
    if (E::Length(companyInput_) > 0 && !businessFilePath_.empty() && SearchByCompany()) return;
    SearchByAddress();
    return;
  }
  // A valid code wins over a typed address or company; they are only shown beside the result.
  if (SearchByCode()) return;
  if (!businessFilePath_.empty() && SearchBusinessByCode()) return;
  ShowMessage(kCodeNotFoundMessage);
}

template <class E>
bool BasicPostalLookup<E>::SearchByCode() {
  using namespace postal_detail;
  // Only the lines that carry the code are cut: a search of the national file reads it once.
  const auto lines = E::LinesWithKey(addressFilePath_, codeInput_);
  if (!lines) {
    ReportOpenFailure(addressFilePath_);
    return false;
  }
  const std::string code = E::ToSjis(codeInput_);
  std::vector<PostalRow> rows;
  {
    BusyScope busy(dialogs_);
    std::array<Text, 3> fields;  // prefecture, city, town area
    for (const typename E::Line line : *lines) {
      if (!RowHasCode<E>(line, codeInput_)) continue;
      ReadFields<E>(line, kFieldsStart, fields);
      if (E::Find(fields[2], WordsOf<E>().catchAll) != std::string::npos) fields[2] = Text();
      rows.push_back({code, {}, E::ToSjis(fields[0]), E::ToSjis(fields[1]), E::ToSjis(fields[2]), {}});
    }
  }
  if (rows.empty()) return false;
  const PostalDialogAnswer answer = ShowRows(PostalDialogKind::AddressResult, PostalDialogKind::AddressChoice,
                                             std::move(rows), E::ToSjis(addressInput_), {});
  if (answer.ok) addressResult_ = answer.addressText;
  return true;
}

template <class E>
bool BasicPostalLookup<E>::SearchBusinessByCode() {
  using namespace postal_detail;
  // Only the lines that carry the code are cut: a search of the national file reads it once.
  const auto lines = E::LinesWithKey(businessFilePath_, codeInput_);
  if (!lines) {
    ReportOpenFailure(businessFilePath_);
    return false;
  }
  const std::string code = E::ToSjis(codeInput_);
  std::vector<PostalRow> rows;
  {
    BusyScope busy(dialogs_);
    std::array<Text, 5> fields;  // business name, prefecture, city, town area, detail
    for (const typename E::Line line : *lines) {
      if (!RowHasCode<E>(line, codeInput_)) continue;
      ReadFields<E>(line, kFieldsStart, fields);
      rows.push_back({code, E::ToSjis(fields[0]), E::ToSjis(fields[1]), E::ToSjis(fields[2]), E::ToSjis(fields[3]),
                      E::ToSjis(fields[4])});
    }
  }
  if (rows.empty()) return false;
  CollapseDuplicatePair(rows);
  const PostalDialogAnswer answer =
      ShowRows(PostalDialogKind::BusinessAddressResult, PostalDialogKind::BusinessAddressChoice, std::move(rows),
               E::ToSjis(addressInput_), E::ToSjis(companyInput_));
  if (answer.ok) {
    addressResult_ = answer.addressText;
    companyResult_ = answer.businessName;
  }
  return true;
}

template <class E>
typename BasicPostalLookup<E>::TypedAddress BasicPostalLookup<E>::PrepareTypedAddress() const {
  TypedAddress typed;
  Text folded = addressInput_;
  typed.mask = FoldForMatch(folded, kFoldAll);
  // The prefecture is recognised before folding; folding keeps every character's width.
  typed.prefecture = SplitPrefecture(addressInput_).prefecture;
  typed.remainder = E::Mid(folded, E::Length(typed.prefecture));
  typed.lead = LeadBeforeBlockNumber(typed.remainder);
  return typed;
}

template <class E>
void BasicPostalLookup<E>::SearchByAddress() {
  using namespace postal_detail;
  const TypedAddress typed = PrepareTypedAddress();
  const size_t vague = kVagueChars * E::kCharUnits;
  const size_t leadLength = E::Length(typed.lead);
  if (E::Length(typed.remainder) < vague || (leadLength > 0 && leadLength < vague)) {
    ShowMessage(kVagueAddressMessage);
    return;
  }
  std::optional<typename E::LineReader> lines = E::OpenLines(addressFilePath_);
  if (!lines) {
    ReportOpenFailure(addressFilePath_);
    return;
  }
  CandidateRule<E> rule(typed.remainder, typed.lead);
  CandidateList candidates;
  {
    BusyScope busy(dialogs_);
    Text prefecture, city, foldedCity, townArea;
    typename E::Line line;
    while (E::ReadLine(*lines, line)) {
      size_t pos = E::ReadField(line, kFieldsStart, prefecture);
      if (E::Length(typed.prefecture) > 0 && !(prefecture == typed.prefecture)) continue;
      pos = E::ReadField(line, pos, city);
      foldedCity = city;
      FoldForMatch(foldedCity, typed.mask);
      if (E::CompareN(foldedCity, typed.remainder, kCityHeadChars * E::kCharUnits) != 0) continue;
      E::ReadField(line, pos, townArea);
      Text rowText = city + TownAreaForMatch(townArea);
      FoldForMatch(rowText, typed.mask);
      const bool goOn = candidates.Apply(rule.Judge(rowText), [&] {
        return PostalRow{RowCode<E>(line), {}, E::ToSjis(prefecture), E::ToSjis(city), E::ToSjis(townArea), {}};
      });
      if (!goOn) break;
    }
  }
  if (candidates.tooMany()) {
    ShowMessage(kTooManyMessage);
    return;
  }
  if (candidates.rows().empty()) {
    ShowMessage(kAddressNotFoundMessage);
    return;
  }
  const PostalDialogAnswer answer = ShowRows(PostalDialogKind::CodeResult, PostalDialogKind::CodeChoice,
                                             std::move(candidates.rows()), E::ToSjis(addressInput_), {});
  if (!answer.ok) return;
  codeResult_ = answer.codeText;
  if (answer.rewriteAddress) addressResult_ = answer.addressText;
}

template <class E>
bool BasicPostalLookup<E>::SearchByCompany() {
  using namespace postal_detail;
  const TypedAddress typed = PrepareTypedAddress();
  Text company = companyInput_;
  StripCompanyWords(company);
  const int companyMask = FoldForMatch(company, kFoldAll);
  if (E::Length(company) < kMinCompanyChars * E::kCharUnits) return false;
  std::optional<typename E::LineReader> lines = E::OpenLines(businessFilePath_);
  if (!lines) {
    ReportOpenFailure(businessFilePath_);
    return false;
  }
  CandidateRule<E> rule(typed.remainder, typed.lead);
  CandidateList candidates;
  {
    BusyScope busy(dialogs_);
    Text name, prefecture;
    std::array<Text, 3> place;  // city, town area, detail
    typename E::Line line;
    while (E::ReadLine(*lines, line)) {
      size_t pos = E::ReadField(line, kFieldsStart, name);
      const Text preparedName = BusinessNameForMatch(name, companyMask);
      if (!StartsWith<E>(company, preparedName) && !StartsWith<E>(preparedName, company)) continue;
      pos = E::ReadField(line, pos, prefecture);
      if (E::Length(typed.prefecture) > 0 && !(prefecture == typed.prefecture)) continue;
      ReadFields<E>(line, pos, place);
      Text rowText = place[0] + place[1];
      FoldForMatch(rowText, typed.mask);
      const bool goOn = candidates.Apply(rule.Judge(rowText), [&] {
        return PostalRow{RowCode<E>(line),    E::ToSjis(name),     E::ToSjis(prefecture),
                         E::ToSjis(place[0]), E::ToSjis(place[1]), E::ToSjis(place[2])};
      });
      if (!goOn) break;
    }
  }
  if (candidates.tooMany()) {
    ShowMessage(kTooManyMessage);
    return true;
  }
  if (candidates.rows().empty()) return false;
  CollapseDuplicatePair(candidates.rows());
  const PostalDialogAnswer answer =
      ShowRows(PostalDialogKind::BusinessCodeResult, PostalDialogKind::BusinessCodeChoice,
               std::move(candidates.rows()), E::ToSjis(addressInput_), E::ToSjis(companyInput_));
  if (!answer.ok) return true;
  codeResult_ = answer.codeText;
  if (answer.rewriteAddress) {
    companyResult_ = answer.businessName;
    addressResult_ = answer.addressText;
  }
  return true;
}

}  // namespace mirelon
