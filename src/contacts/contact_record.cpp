#include "contacts/contact_record.h"

#include <algorithm>

#include "book/history_rules.h"
#include "res/editor_resources.h"
#include "text/cp932.h"
#include "text/sjis.h"
#include "text/text_mapping.h"

namespace mirelon {

namespace {

constexpr std::string_view kFullWidthBlank = "　";
constexpr int kPostalDigits = 7;
constexpr int kMemo1 = static_cast<int>(ContactField::Memo1);
constexpr int kMemo2 = static_cast<int>(ContactField::Memo2);

ContactField FieldOf(int n) { return static_cast<ContactField>(n); }

std::string WithoutBlanks(std::string_view text) {
  std::string result(text);
  for (size_t at; (at = result.find(kFullWidthBlank)) != std::string::npos;) result.erase(at, kFullWidthBlank.size());
  std::erase(result, ' ');
  return result;
}

// Two parts put together with a full-width blank; the whole text where no part is given.
std::string PutTogether(const std::string& first, const std::string& second, const std::string& whole) {
  if (first.empty() && second.empty()) return whole;
  return first + (!first.empty() && !second.empty() ? std::string(kFullWidthBlank) : std::string()) + second;
}

// The parts of an address in Japanese order; a blank between parts where either side is Latin.
std::string AddressOfParts(const std::vector<std::string>& parts) {
  std::string address;
  for (const std::string& part : parts) {
    if (part.empty()) continue;
    const auto latin = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    if (!address.empty() && (latin(address.back()) || latin(part.front()))) address += ' ';
    address += part;
  }
  return address;
}

// A Japanese number in the international form is written as dialled at home: "+81-90-…" -> "090-…".
std::string DomesticNumber(std::string number) {
  if (!number.starts_with("+81")) return number;
  number.erase(0, 3);
  if (number.starts_with('-') || number.starts_with(' ')) number.erase(0, 1);
  if (number.starts_with("(0)")) number.erase(0, 3);
  return number.starts_with('0') ? number : "0" + number;
}

// Line breaks: CR LF in the memos, a blank in every other field (which holds one line).
std::string LineBreaksFor(int n, std::string_view text) {
  std::string result;
  const bool memo = n == kMemo1 || n == kMemo2;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') {
      result += text[i];
      continue;
    }
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    result += memo ? "\r\n" : " ";
  }
  return result;
}

// Half-width katakana (single bytes A1-DF) in their full-width forms, everything else as it is.
std::string FullWidthKana(std::string_view sjis) {
  std::string result;
  for (size_t i = 0; i < sjis.size();) {
    const auto byte = static_cast<unsigned char>(sjis[i]);
    if (byte >= 0xA1 && byte <= 0xDF) {
      size_t end = i;
      while (end < sjis.size() && static_cast<unsigned char>(sjis[end]) >= 0xA1 &&
             static_cast<unsigned char>(sjis[end]) <= 0xDF) {
        ++end;
      }
      result += ToFullWidth(sjis.substr(i, end - i));
      i = end;
    } else {
      const size_t length = IsLeadByte(sjis[i]) && i + 1 < sjis.size() ? 2 : 1;
      result += sjis.substr(i, length);
      i += length;
    }
  }
  return result;
}

size_t Utf8Length(unsigned char lead) { return lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4; }

class RecordBuilder {
 public:
  RecordBuilder(const Contact& contact, std::vector<ContactReport>& reports) : contact_(contact), reports_(reports) {}

  // The field in CP932, or empty with a report when it cannot be held.
  std::string Encode(int n, const std::string& utf8);
  // The one value of a field; further values are reported.
  std::string Single(ContactField field);
  void Report(ContactIssue issue, std::string_view field, const std::string& text) {
    reports_.push_back({issue, contact_.Label() + " " + std::string(field) + ": " + text});
  }
  std::string History(const std::vector<YearMark>& marks, int bookYear, std::string_view field);

 private:
  const Contact& contact_;
  std::vector<ContactReport>& reports_;
};

std::string RecordBuilder::Single(ContactField field) {
  const std::vector<std::string>& values = contact_.Of(field);
  for (size_t i = 1; i < values.size(); ++i) {
    if (values[i] == values[0]) continue;
    Report(ContactIssue::ExtraValue, FieldLabel(field), "ほかの値「" + values[i] + "」は取り込みません");
  }
  return values.empty() ? std::string() : values.front();
}

std::string RecordBuilder::Encode(int n, const std::string& utf8) {
  const std::string_view label = FieldLabel(FieldOf(n));
  const std::string text = LineBreaksFor(n, utf8);
  Cp932Encoded encoded = Utf8ToCp932(text);
  if (!encoded.ok()) {
    const size_t at = encoded.firstUnmappable;
    const std::string character = text.substr(at, Utf8Length(static_cast<unsigned char>(text[at])));
    Report(ContactIssue::Unencodable, label,
           "「" + character + "」は Shift-JIS にない文字のため、この項目は空にしました（「" + text + "」）");
    return {};
  }
  std::string bytes = n == kMemo1 || n == kMemo2 ? std::move(encoded.bytes) : TrimBlanks(encoded.bytes);
  // The reading in full-width katakana, measured as it is kept (a half-width kana doubles).
  if (FieldOf(n) == ContactField::RegistrationName) bytes = HiraganaToKatakana(FullWidthKana(bytes));
  const size_t limit = FieldByteLimit(n);
  if (limit != 0 && bytes.size() > limit) {
    Report(ContactIssue::TooLong, label,
           std::to_string(bytes.size()) + "バイトあり、" + std::to_string(limit) +
               "バイトを超えるため、この項目は空にしました（「" + text + "」）");
    return {};
  }
  return bytes;
}

// A history from one mark per year: from the oldest year given up to the book's year, a year
// without a mark blank ("□"); years after the book's are reported.
std::string RecordBuilder::History(const std::vector<YearMark>& marks, int bookYear, std::string_view field) {
  std::vector<YearMark> sorted = marks;
  std::stable_sort(sorted.begin(), sorted.end(), [](const YearMark& a, const YearMark& b) { return a.year < b.year; });
  std::string history;
  int nextYear = 0;
  for (const YearMark& mark : sorted) {
    if (mark.mark.empty() && history.empty()) continue;
    if (mark.year > bookYear) {
      if (!mark.mark.empty()) {
        Report(ContactIssue::ExtraValue, field,
               std::to_string(mark.year) + "年の印「" + mark.mark + "」は履歴の年 " + std::to_string(bookYear) +
                   " より後のため取り込みません");
      }
      continue;
    }
    for (; nextYear != 0 && nextYear < mark.year; ++nextYear) history += BlankMark();
    const Cp932Encoded encoded = Utf8ToCp932(mark.mark);
    std::string cell = encoded.bytes;
    if (!encoded.ok() || HistoryMarks(cell).size() > 1) {
      Report(ContactIssue::Unencodable, field,
             std::to_string(mark.year) + "年の印「" + mark.mark + "」は1文字の印でないため空にしました");
      cell.clear();
    }
    if (cell.size() == 1) cell.insert(0, " ");
    history += IsBlankMark(cell) ? BlankMark() : cell;
    nextYear = mark.year + 1;
  }
  if (!history.empty()) {
    for (; nextYear <= bookYear; ++nextYear) history += BlankMark();
  }
  return history;
}

}  // namespace

size_t FieldByteLimit(int n) {
  const ContactField field = FieldOf(n);
  if (field == ContactField::Honorific || field == ContactField::JointHonorific1 ||
      field == ContactField::JointHonorific2 || field == ContactField::JointHonorific3) {
    return res::kHonorificLimit;
  }
  return n <= static_cast<int>(ContactField::JointHonorific3) ? res::kTextLimit : 0;
}

std::string PostalCodeAsTyped(std::string_view cp932) {
  std::string code = TrimBlanks(ToHalfWidth(cp932));
  using namespace literals;
  static const std::string kPostalMark = "〒"_sjis;
  if (code.starts_with(kPostalMark)) code = TrimBlanks(code.substr(kPostalMark.size()));
  std::string digits;
  for (const char c : code) {
    if (c >= '0' && c <= '9') digits += c;
  }
  const bool onlyCodeSigns = std::all_of(code.begin(), code.end(), [](char c) { return (c >= '0' && c <= '9') || c == '-' || c == ' '; });
  if (digits.size() == kPostalDigits && onlyCodeSigns) return digits.substr(0, 3) + "-" + digits.substr(3);
  return code;
}

ContactRecord ToRecord(const Contact& contact, int bookYear, std::vector<ContactReport>& reports) {
  RecordBuilder builder(contact, reports);
  ContactRecord result;
  AddressRecord& record = result.record;
  const auto encode = [&](ContactField field, const std::string& utf8) {
    record.Field(static_cast<int>(field)) = builder.Encode(static_cast<int>(field), utf8);
  };
  for (int n = static_cast<int>(ContactField::Company1); n <= kMemo2; ++n) {
    if (FieldOf(n) == ContactField::Name) continue;
    const bool number = FieldOf(n) == ContactField::Phone || FieldOf(n) == ContactField::Fax || FieldOf(n) == ContactField::Mobile;
    encode(FieldOf(n), number ? DomesticNumber(builder.Single(FieldOf(n))) : builder.Single(FieldOf(n)));
  }
  const std::string family = builder.Single(ContactField::FamilyName);
  const std::string given = builder.Single(ContactField::GivenName);
  encode(ContactField::Name, PutTogether(family, given, builder.Single(ContactField::Name)));
  const std::string familyReading = builder.Single(ContactField::FamilyReading);
  const std::string givenReading = builder.Single(ContactField::GivenReading);
  encode(ContactField::RegistrationName,
         PutTogether(familyReading, givenReading, builder.Single(ContactField::RegistrationName)));
  std::string address1 = builder.Single(ContactField::Address1);
  if (address1.empty()) {
    address1 = AddressOfParts({builder.Single(ContactField::Region), builder.Single(ContactField::Locality),
                               builder.Single(ContactField::Street)});
  }
  encode(ContactField::Address1, address1);
  encode(ContactField::Address2, builder.Single(ContactField::Address2));
  encode(ContactField::PostalCode, builder.Single(ContactField::PostalCode));
  record.postalCode = PostalCodeAsTyped(record.postalCode);

  const std::string sendState = builder.Single(ContactField::InitialSendState);
  record.initialSendState = sendState == "送信しない" ? NoSendStateText() : SendStateText();
  encode(ContactField::SendHistory, builder.Single(ContactField::SendHistory));
  encode(ContactField::ReceiveHistory, builder.Single(ContactField::ReceiveHistory));
  if (record.sendHistory.empty()) record.sendHistory = builder.History(contact.sendMarks, bookYear, "送信履歴");
  if (record.receiveHistory.empty()) {
    record.receiveHistory = builder.History(contact.receiveMarks, bookYear, "受信履歴");
  }

  result.usable = !record.name.empty() || !record.registrationName.empty();
  if (result.usable && WithoutBlanks(record.registrationName).empty()) {
    record.registrationName = Sjis(NoReadingName());
    builder.Report(ContactIssue::NoReading, "登録名",
                   "読みがないため「" + std::string(NoReadingName()) + "」としました。登録名（フリガナ）を入力してください");
  }
  return result;
}

}  // namespace mirelon
