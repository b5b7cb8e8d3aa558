// Reading and writing the text of one file of the family.
#include <algorithm>
#include <cstdlib>
#include <map>
#include <unordered_map>

#include "book/address_book.h"
#include "book/csv_field.h"
#include "book/history_rules.h"
#include "text/collation.h"
#include "text/sjis.h"

namespace mirelon {

namespace {

constexpr int kFirstHeaderYear = 1990;
constexpr int kLastHeaderYear = 2100;

// Calls `onLine` for every line without its line end: LF, CRs before an LF, or a bare CR (the
// writer never writes a CR inside a line). A last line without line end counts.
template <typename OnLine>
void ForEachLine(std::string_view content, OnLine onLine) {
  size_t pos = 0;
  while (pos < content.size()) {
    size_t end = content.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = content.size();
    onLine(content.substr(pos, end - pos));
    pos = end + 1;
    if (end < content.size() && content[end] == '\r') {
      const size_t afterCrs = content.find_first_not_of('\r', end);
      if (afterCrs != std::string_view::npos && content[afterCrs] == '\n') pos = afterCrs + 1;
    }
  }
}

bool BelongsTo(const AddressRecord& record, BookFileKind kind) {
  switch (kind) {
    case BookFileKind::SendFile: return JudgeSend(record, WhichMark::Newest);
    case BookFileKind::NoSendFile: return !JudgeSend(record, WhichMark::Newest);
    case BookFileKind::ImportFile:
    case BookFileKind::HistoryFile: break;
  }
  return true;
}

}  // namespace

// Collects the records of one file apart from the book and merges them in at the end, so that a
// file read costs O(n log n) instead of shifting the book on every line. Lookups see the book and
// the collected records together, so renaming, joining and the limit behave exactly as if every
// line were inserted into the book at once.
class BookReader {
 public:
  explicit BookReader(AddressBook& book) : book_(book) {
    for (AddressRecord& record : book_.records_) byName_.emplace(record.registrationName, &record);
  }

  void Add(AddressRecord&& record) {
    // Named as the file has it: a dropped line is not renamed.
    if (Full()) {
      Drop(std::move(record));
      return;
    }
    const auto taken = [this](const std::string& candidate, std::string& candidateKey) {
      return Find(candidate, candidateKey) != nullptr;
    };
    std::string key;
    record.registrationName = book_.UniqueName(record.registrationName, key, taken);
    Insert(std::move(key), std::move(record));
  }

  // A history line joins the record of its name, or stands alone until the merge.
  void JoinOrAdd(AddressRecord&& record) {
    std::string key;
    if (AddressRecord* existing = Find(record.registrationName, key)) {
      existing->TakeHistoryFrom(std::move(record));
    } else {
      record.pairing = Pairing::HistoryOnly;
      Insert(std::move(key), std::move(record));
    }
  }

  void Commit() {
    if (pending_.empty()) return;
    byName_.clear();
    std::vector<AddressRecord> records;
    std::vector<std::string> keys;
    records.reserve(book_.records_.size() + pending_.size());
    keys.reserve(records.capacity());
    size_t i = 0;
    while (i < book_.records_.size() || !pending_.empty()) {
      if (pending_.empty() || (i < book_.keys_.size() && book_.keys_[i] < pending_.begin()->first)) {
        records.push_back(std::move(book_.records_[i]));
        keys.push_back(std::move(book_.keys_[i]));
        ++i;
      } else {
        auto node = pending_.extract(pending_.begin());
        records.push_back(std::move(node.mapped()));
        keys.push_back(std::move(node.key()));
      }
    }
    book_.records_ = std::move(records);
    book_.keys_ = std::move(keys);
    book_.postalCheckDone = false;
  }

  const std::vector<std::string>& dropped() const { return dropped_; }

 private:
  // The record whose name collates equal to `name`, or null. The same bytes are always the same
  // name, so the collation key is computed (into `key`) only when the bytes find nothing.
  AddressRecord* Find(const std::string& name, std::string& key) {
    if (const auto same = byName_.find(name); same != byName_.end()) return same->second;
    key = CollationKey(name);
    const auto it = std::lower_bound(book_.keys_.begin(), book_.keys_.end(), key);
    if (it != book_.keys_.end() && *it == key) return &book_.records_[static_cast<size_t>(it - book_.keys_.begin())];
    const auto found = pending_.find(key);
    return found == pending_.end() ? nullptr : &found->second;
  }

  bool Full() const { return book_.records_.size() + pending_.size() >= static_cast<size_t>(kBookCapacity); }
  // Named in one message when the file has been read.
  void Drop(AddressRecord&& record) { dropped_.push_back(std::move(record.registrationName)); }

  void Insert(std::string&& key, AddressRecord&& record) {
    if (Full()) {
      Drop(std::move(record));
      return;
    }
    AddressRecord& placed = pending_.emplace(std::move(key), std::move(record)).first->second;
    byName_.emplace(placed.registrationName, &placed);
  }

  AddressBook& book_;
  std::map<std::string, AddressRecord> pending_;  // by collation key
  // Every record of the book and of the file by its name's bytes; the records do not move until
  // the commit.
  std::unordered_map<std::string_view, AddressRecord*> byName_;
  std::vector<std::string> dropped_;
};

void AddressBook::ReadHistoryHeader(std::string_view line) {
  std::string field;
  size_t pos = ReadCsvField(line, 0, field);
  const long headerYear = std::strtol(field.c_str(), nullptr, 10);
  if (headerYear >= kFirstHeaderYear && headerYear <= kLastHeaderYear) year = static_cast<int>(headerYear);
  pos = ReadCsvField(line, pos, field);
  FitToHalfWidth(field, 2, false);
  nonSendMark = NormalizeNonSendMark(field);
  pos = ReadCsvField(line, pos, memoTitle1);
  pos = ReadCsvField(line, pos, memoTitle2);
  ReadCsvTextField(line, pos, notes);
}

int AddressBook::Read(BookFileKind kind, std::string_view content) {
  BookReader reader(*this);
  bool headerPending = kind == BookFileKind::HistoryFile;
  ForEachLine(content, [&](std::string_view line) {
    if (headerPending) {
      ReadHistoryHeader(line);
      headerPending = false;
      return;
    }
    AddressRecord record;
    record.FromCsvLine(line, kind);
    if (kind == BookFileKind::HistoryFile) {
      reader.JoinOrAdd(std::move(record));
    } else {
      reader.Add(std::move(record));
    }
  });
  reader.Commit();
  const std::vector<std::string>& dropped = reader.dropped();
  if (!dropped.empty()) ReportLimit(dropped);
  unreadNames.insert(unreadNames.end(), dropped.begin(), dropped.end());
  modified = kind == BookFileKind::ImportFile;
  return static_cast<int>(dropped.size());
}

std::string AddressBook::Write(BookFileKind kind) const {
  std::string out;
  if (kind == BookFileKind::HistoryFile) {
    out = std::to_string(year) + ',' + QuoteCsvField(nonSendMark) + ',' + QuoteCsvField(memoTitle1) + ',' +
          QuoteCsvField(memoTitle2) + ',' + QuoteCsvField(notes) + "\r\n";
  }
  for (const AddressRecord& record : records_) {
    if (!BelongsTo(record, kind)) continue;
    out += record.ToCsvLine(kind);
    out += "\r\n";
  }
  return out;
}

}  // namespace mirelon
