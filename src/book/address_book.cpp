#include "book/address_book.h"

#include <algorithm>
#include <ctime>
#include <optional>
#include <system_error>
#include <tuple>

#include "book/history_rules.h"
#include "platform/file_system.h"
#include "platform/utf8_path.h"
#include "text/collation.h"
#include "text/cp932.h"
#include "text/text_mapping.h"

namespace mirelon {

using namespace literals;

namespace {

// The default prompt: nothing is shown and nothing is agreed to.
class SilentPrompt final : public UserPrompt {
 public:
  bool Show(std::string_view, PromptButtons buttons) override { return buttons == PromptButtons::Ok; }
};

SilentPrompt& DefaultPrompt() {
  static SilentPrompt prompt;
  return prompt;
}

constexpr size_t kSuffixLength = 4;
constexpr size_t kPostalKeyBuffer = 20;
constexpr int kPostalCodeDigits = 7;
constexpr size_t kListedDroppedNames = 20;

std::string_view SuffixOf(BookFileKind kind);

bool EndsWithSuffix(const std::string& name, std::string_view suffix) {
  return name.size() > kSuffixLength && name.compare(name.size() - kSuffixLength, kSuffixLength, suffix) == 0;
}

struct BookPathParts {
  BookFileIdentity file;  // the path parts alone
  bool import = false;
};

// The parts of a book's path, when the extension is ".csv" in any letter case and every file of
// its family fits the platform's limits on names and paths. Suffixes are matched on the name's
// UTF-8 form, which names the same file on every system.
std::optional<BookPathParts> SplitBookPath(const std::filesystem::path& path) {
  std::string lower = PathToUtf8(path.extension());
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
  if (lower != ".csv") return std::nullopt;
  std::string name = PathToUtf8(path.stem());
  BookPathParts parts;
  parts.import = EndsWithSuffix(name, SuffixOf(BookFileKind::ImportFile));
  if (parts.import || EndsWithSuffix(name, SuffixOf(BookFileKind::NoSendFile)) ||
      EndsWithSuffix(name, SuffixOf(BookFileKind::HistoryFile))) {
    name.resize(name.size() - kSuffixLength);
  }
  parts.file.directory = path.parent_path();
  parts.file.baseName = PathFromUtf8(name);
  parts.file.extension = path.extension();
  // Every suffix is as long as the others: the no-send file's name is the longest of the family.
  if (!FitsPathLimits(FamilyPath(parts.file, BookFileKind::NoSendFile))) return std::nullopt;
  return parts;
}

std::string_view SuffixOf(BookFileKind kind) {
  switch (kind) {
    case BookFileKind::ImportFile: return "_imp";
    case BookFileKind::NoSendFile: return "_nos";
    case BookFileKind::HistoryFile: return "_nen";
    case BookFileKind::SendFile: break;
  }
  return "";
}

bool FileExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

std::string DefaultMemoTitle1() { return "メモ１"_sjis; }
std::string DefaultMemoTitle2() { return "メモ２"_sjis; }

int32_t PostalKey(const std::string& postalCode) {
  const std::string halfWidth = ToHalfWidth(postalCode);
  if (halfWidth.size() >= kPostalKeyBuffer) return -1;
  int32_t value = 0;
  int digits = 0;
  for (const char c : halfWidth) {
    if (c < '0' || c > '9') continue;
    if (++digits > kPostalCodeDigits) return -1;
    value = value * 10 + (c - '0');
  }
  return digits == kPostalCodeDigits ? value : -1;
}

}  // namespace

std::filesystem::path FamilyPath(const BookFileIdentity& file, BookFileKind kind) {
  std::filesystem::path name = file.baseName;
  name += SuffixOf(kind);
  name += file.extension;
  return file.directory / name;
}

int CurrentLocalYear() {
  const std::time_t now = std::time(nullptr);
  return std::localtime(&now)->tm_year + 1900;
}

bool IsBookPath(const std::filesystem::path& path) { return SplitBookPath(path).has_value(); }

AddressBook::AddressBook()
    : year(CurrentLocalYear()),
      nonSendMark(DefaultNonSendMark()),
      memoTitle1(DefaultMemoTitle1()),
      memoTitle2(DefaultMemoTitle2()),
      prompt_(&DefaultPrompt()) {}

void AddressBook::SetPrompt(UserPrompt* prompt) { prompt_ = prompt ? prompt : &DefaultPrompt(); }

std::string AddressBook::UniqueName(const std::string& original, std::string& key, const NameTaken& taken) const {
  std::string candidate = original;
  // Each candidate is longer than the last and at most 1000 names are taken, so this ends.
  for (int counter = 2; taken(candidate, key); ++counter) candidate = original + "-" + std::to_string(counter);
  if (candidate != original) {
    Prompt().Message("登録名が重複するので変更しました\r\n\""_sjis + original + "\" → \""_sjis + candidate + "\"");
  }
  return candidate;
}

bool AddressBook::RefuseInsertion(size_t count) const {
  if (count < static_cast<size_t>(kBookCapacity)) return false;
  if (limitWarningEnabled) ReportLimit({});
  return true;
}

void AddressBook::ReportLimit(const std::vector<std::string>& dropped) const {
  std::string text = "データ数が"_sjis + std::to_string(kBookCapacity) + "を超えています"_sjis;
  if (!dropped.empty()) {
    text += "\r\n次の"_sjis + std::to_string(dropped.size()) + "件は読み込めませんでした："_sjis;
    // A screen holds a few dozen lines: the rest are counted.
    const size_t listed = std::min(dropped.size(), kListedDroppedNames);
    for (size_t i = 0; i < listed; ++i) text += "\r\n\"" + dropped[i] + "\"";
    if (listed < dropped.size()) text += "\r\nほか"_sjis + std::to_string(dropped.size() - listed) + "件"_sjis;
  }
  Prompt().Message(text);
}

int AddressBook::AddRecord(const AddressRecord& record) {
  std::string key;
  const auto taken = [this](const std::string& candidate, std::string& candidateKey) {
    candidateKey = CollationKey(candidate);
    return std::binary_search(keys_.begin(), keys_.end(), candidateKey);
  };
  const std::string name = UniqueName(record.registrationName, key, taken);
  const auto index = static_cast<int>(std::lower_bound(keys_.begin(), keys_.end(), key) - keys_.begin());
  AddressRecord renamed = record;
  renamed.registrationName = name;
  InsertRecordAt(index, renamed);
  postalCheckDone = false;
  return index;
}

bool AddressBook::InsertRecordAt(int index, const AddressRecord& record) {
  if (RefuseInsertion(records_.size())) return false;
  index = std::clamp(index, 0, recordCount());
  records_.insert(records_.begin() + index, record);
  keys_.insert(keys_.begin() + index, CollationKey(record.registrationName));
  return true;
}

void AddressBook::DeleteRecord(int index) {
  if (index < 0 || index >= recordCount()) return;
  records_.erase(records_.begin() + index);
  keys_.erase(keys_.begin() + index);
  postalCheckDone = false;
}

void AddressBook::RecordEdited(int index, const AddressRecord& before) {
  const AddressRecord& after = record(index);
  const auto checkedFields = [](const AddressRecord& r) {
    return std::tie(r.postalCode, r.address1, r.address2, r.company1, r.company2);
  };
  if (checkedFields(after) != checkedFields(before)) postalCheckValue[static_cast<size_t>(index)] = 0;
}

PageCommit AddressBook::CommitPage(int page, const AddressRecord& edited) {
  const int index = page - 1;
  if (index < recordCount() && record(index).registrationName == edited.registrationName) {
    const AddressRecord before = record(index);
    record(index) = edited;
    RecordEdited(index, before);
    return {page};
  }
  if (index < recordCount()) DeleteRecord(index);
  const int count = recordCount();
  const int added = AddRecord(edited);
  if (recordCount() == count) return {};
  return {added + 1, true, record(added).registrationName != edited.registrationName};
}

AddressRecord AddressBook::PageBase(int page, const std::string& registrationName) const {
  const int index = page - 1;
  if (index < recordCount() && record(index).registrationName == registrationName) return record(index);
  AddressRecord base;
  base.registrationName = registrationName;
  if (index < recordCount()) {
    base.sendHistory = record(index).sendHistory;
    base.receiveHistory = record(index).receiveHistory;
  }
  return base;
}

void AddressBook::ComputePostalKeys() {
  for (size_t i = 0; i < records_.size(); ++i) postalCheckValue[i] = PostalKey(records_[i].postalCode);
}

int AddressBook::LowerBound(std::string_view name) const {
  return static_cast<int>(std::lower_bound(keys_.begin(), keys_.end(), CollationKey(name)) - keys_.begin());
}

void AddressBook::ResetForRead() {
  records_.clear();
  keys_.clear();
  postalCheckDone = false;
  year = CurrentLocalYear();
  memoTitle1 = DefaultMemoTitle1();
  memoTitle2 = DefaultMemoTitle2();
  notes.clear();
  unreadNames.clear();
}

bool AddressBook::SetFileName(const std::filesystem::path& path) {
  file.importExists = file.sendExists = file.noSendExists = file.historyExists = false;
  const std::optional<BookPathParts> parts = SplitBookPath(path);
  if (!parts) return false;
  file.directory = parts->file.directory;
  file.baseName = parts->file.baseName;
  file.extension = parts->file.extension;
  const auto exists = [this](BookFileKind kind) { return FileExists(FamilyPath(file, kind)); };
  if (parts->import) {
    file.importExists = exists(BookFileKind::ImportFile);
  } else {
    file.sendExists = exists(BookFileKind::SendFile);
    file.noSendExists = exists(BookFileKind::NoSendFile);
    file.historyExists = exists(BookFileKind::HistoryFile);
  }
  return HasFile();
}

}  // namespace mirelon
