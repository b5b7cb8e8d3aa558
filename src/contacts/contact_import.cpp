#include "contacts/contact_import.h"

#include <algorithm>

#include "contacts/contact_record.h"
#include "text/collation.h"
#include "text/cp932.h"

namespace mirelon {

namespace {

// The contact fields an existing record takes where it has none: phone to the second memo.
constexpr int kFirstContactField = static_cast<int>(ContactField::Phone);
constexpr int kLastContactField = static_cast<int>(ContactField::Memo2);

bool IsDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The record that stands for `record`: the same name, and the same registration name or the one
// the book made of it when it was taken ("name-2").
int MatchingRecord(const AddressBook& book, const AddressRecord& record) {
  for (int i = 0; i < book.recordCount(); ++i) {
    const AddressRecord& existing = book.record(i);
    if (existing.name != record.name) continue;
    const std::string& name = existing.registrationName;
    const std::string& wanted = record.registrationName;
    if (CollateNames(name, wanted) == 0) return i;
    if (name.size() > wanted.size() + 1 && name.compare(0, wanted.size(), wanted) == 0 && name[wanted.size()] == '-' &&
        IsDigits(std::string_view(name).substr(wanted.size() + 1))) {
      return i;
    }
  }
  return -1;
}

// Fills the known record's empty contact fields; every other value of the contact that the record
// does not already hold is reported, the record's own staying as it is.
bool UpdateKnownRecord(AddressRecord& existing, const AddressRecord& record, const Contact& contact,
                       std::vector<ContactReport>& reports) {
  bool filled = false;
  for (int n = static_cast<int>(ContactField::PostalCode); n <= kLastContactField; ++n) {
    const std::string& mine = existing.Field(n);
    const std::string& theirs = record.Field(n);
    if (theirs.empty() || theirs == mine) continue;
    if (mine.empty() && n >= kFirstContactField) {
      existing.Field(n) = theirs;
      filled = true;
      continue;
    }
    const std::string kept = mine.empty() ? "住所録では空のままにしました" : "住所録の「" + Cp932ToUtf8(mine) + "」のままにしました";
    reports.push_back({ContactIssue::KeptInBook, contact.Label() + " " +
                                                     std::string(FieldLabel(static_cast<ContactField>(n))) + ": " +
                                                     kept + "（連絡先では「" + Cp932ToUtf8(theirs) + "」）"});
  }
  return filled;
}

void Count(ImportSummary& summary, ImportVerdict verdict) {
  switch (verdict) {
    case ImportVerdict::New: ++summary.added; break;
    case ImportVerdict::Updated: ++summary.updated; break;
    case ImportVerdict::Unchanged: ++summary.unchanged; break;
    case ImportVerdict::Refused: ++summary.refused; break;
  }
}

ImportVerdict ImportOne(AddressBook& book, const Contact& contact, std::vector<ContactReport>& reports) {
  ContactRecord converted = ToRecord(contact, book.year, reports);
  if (!converted.usable) {
    reports.push_back({ContactIssue::NoName, contact.Label() + ": 名前も読みもないため取り込みません"});
    return ImportVerdict::Refused;
  }
  AddressRecord& record = converted.record;
  if (const int match = MatchingRecord(book, record); match >= 0) {
    return UpdateKnownRecord(book.record(match), record, contact, reports) ? ImportVerdict::Updated
                                                                            : ImportVerdict::Unchanged;
  }
  if (book.recordCount() >= kBookCapacity) {
    reports.push_back({ContactIssue::BookFull, contact.Label() + ": データ数が" + std::to_string(kBookCapacity) +
                                                   "を超えるため取り込みません"});
    return ImportVerdict::Refused;
  }
  const int index = book.AddRecord(record);
  const std::string& stored = book.record(index).registrationName;
  if (stored != record.registrationName) {
    reports.push_back({ContactIssue::Renamed, contact.Label() + " 登録名: 「" + Cp932ToUtf8(record.registrationName) +
                                                  "」はすでにあるため「" + Cp932ToUtf8(stored) + "」としました"});
  }
  return ImportVerdict::New;
}

}  // namespace

ImportSummary ImportContacts(AddressBook& book, const ContactsRead& contacts) {
  ImportSummary summary;
  summary.reports = contacts.reports;
  UserPrompt& prompt = book.Prompt();
  book.SetPrompt(nullptr);  // its renaming message is a report here
  for (const Contact& contact : contacts.contacts) {
    const ImportVerdict verdict = ImportOne(book, contact, summary.reports);
    summary.entries.push_back({contact.Label(), verdict});
    Count(summary, verdict);
  }
  book.SetPrompt(&prompt);
  if (summary.ChangesBook()) book.modified = true;
  return summary;
}

ImportSummary PreviewImport(const AddressBook& book, const ContactsRead& contacts) {
  AddressBook copy = book;
  return ImportContacts(copy, contacts);
}

std::string_view VerdictText(ImportVerdict verdict) {
  switch (verdict) {
    case ImportVerdict::New: return "新規";
    case ImportVerdict::Updated: return "更新";
    case ImportVerdict::Unchanged: return "変更なし";
    case ImportVerdict::Refused: break;
  }
  return "取り込めない";
}

std::string SummaryLine(const ImportSummary& summary) {
  std::string line;
  const std::pair<ImportVerdict, int> counts[] = {{ImportVerdict::New, summary.added},
                                                  {ImportVerdict::Updated, summary.updated},
                                                  {ImportVerdict::Unchanged, summary.unchanged},
                                                  {ImportVerdict::Refused, summary.refused}};
  for (const auto& [verdict, count] : counts) {
    line += (line.empty() ? "" : "、") + std::string(VerdictText(verdict)) + " " + std::to_string(count) + "件";
  }
  return line;
}

}  // namespace mirelon
