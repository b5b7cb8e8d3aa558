// The whole book: up to 1000 records in collation order of their registration names, the history
// year, the book's settings and the path of its file family.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "book/address_record.h"
#include "book/user_prompt.h"

namespace mirelon {

inline constexpr int kBookCapacity = 1000;

// The year of the local clock.
int CurrentLocalYear();

// Whether `path` can name a book: its extension is ".csv" in any letter case and every file of its
// family fits the platform's limits on names and paths.
bool IsBookPath(const std::filesystem::path& path);

// How a book file in UTF-8 is met: the user is asked (the program), or the answer is given
// beforehand (mirelon-tool with or without --utf8).
enum class Utf8Files { Ask, Read, Refuse };

// Where the book's file family is and which of its files exist; copied whole to put it back when a
// read did not go ahead.
struct BookFileIdentity {
  // Path parts: the folder (empty: the working folder), the name without kind suffix and
  // extension (empty: no file yet), the extension as given, with its dot.
  std::filesystem::path directory;
  std::filesystem::path baseName;
  std::filesystem::path extension;
  bool importExists = false;
  bool sendExists = false;
  bool noSendExists = false;
  bool historyExists = false;

  bool HasFile() const { return importExists || sendExists || noSendExists || historyExists; }
};

// The path of the family's file of `kind`: folder / base name + kind suffix + extension.
std::filesystem::path FamilyPath(const BookFileIdentity& file, BookFileKind kind);

// What writing a page back did: the page its record now lives on (0: the full book refused a new
// record, with its message), whether the record went in anew (a new page or a new registration
// name) and whether its name was taken, so that it had to take another.
struct PageCommit {
  int page = 0;
  bool inserted = false;
  bool renamed = false;
};

class AddressBook {
 public:
  AddressBook();

  bool modified = false;
  int year;                   // the year of the newest mark of every history
  std::string nonSendMark;    // "×"
  std::string memoTitle1;     // "メモ１"
  std::string memoTitle2;     // "メモ２"
  std::string notes;
  BookFileIdentity file;
  int currentPage = 1;
  std::vector<int32_t> postalCheckValue = std::vector<int32_t>(kBookCapacity, 0);
  bool postalCheckDone = false;
  bool mismatchOnly = false;
  bool limitWarningEnabled = true;
  Utf8Files utf8Files = Utf8Files::Ask;
  // Registration names of the lines of the family's files that the full book could not take:
  // they are on disk only, and a write over those files would lose them.
  std::vector<std::string> unreadNames;

  // Where the book's messages and questions go (renaming, the record limit, file errors).
  // nullptr restores the default, which shows nothing and answers every question with Cancel/No.
  void SetPrompt(UserPrompt* prompt);
  UserPrompt& Prompt() const { return *prompt_; }

  // Records in book order; page p is record p-1. Change the set only through the operations below,
  // and a registration name only by deleting and adding the record again.
  const std::vector<AddressRecord>& records() const { return records_; }
  AddressRecord& record(int index) { return records_[static_cast<size_t>(index)]; }
  const AddressRecord& record(int index) const { return records_[static_cast<size_t>(index)]; }
  int recordCount() const { return static_cast<int>(records_.size()); }
  bool HasFile() const { return file.HasFile(); }

  // Book operations.
  // Inserts a copy in sorted position, renaming a taken registration name to "name-2", "name-3"…
  // with a message; returns the index (also when the full book refused the record).
  int AddRecord(const AddressRecord& record);
  // Inserts a copy at `index`; false, with the limit message while limitWarningEnabled, when the
  // book is full.
  bool InsertRecordAt(int index, const AddressRecord& record);
  void DeleteRecord(int index);
  // After record `index` was changed in place from `before`: a check result of its postal code
  // no longer stands once the code, an address line or a company line (what the check reads) is
  // different, and the record is no longer marked.
  void RecordEdited(int index, const AddressRecord& before);
  // Page `page` (1..recordCount()+1, the last being the new page) written back as `edited`:
  // in place while its registration name is the stored one; under another name the stored record
  // goes and `edited` is added in name order (renamed when the name is taken).
  PageCommit CommitPage(int page, const AddressRecord& edited);
  // What a page's edits are collected onto: the stored record while `registrationName` stays,
  // else a new record with the stored one's histories (a new page: an empty record).
  AddressRecord PageBase(int page, const std::string& registrationName) const;
  void ComputePostalKeys();
  // First index whose name collates higher than or equal to `name` (recordCount() if none).
  int LowerBound(std::string_view name) const;

  // Reset before reading a family: no records, this year, default memo titles, empty notes,
  // no unread names.
  void ResetForRead();

  // File family.
  bool SetFileName(const std::filesystem::path& path);
  // The two halves of serialising the family's file of `kind`, on its whole text (no opening, no
  // file messages). Read returns the number of lines the full book had to drop. Write leaves
  // `modified` alone: the caller clears it once the text is safely in place.
  int Read(BookFileKind kind, std::string_view content);
  std::string Write(BookFileKind kind) const;

 private:
  friend class BookReader;

  // The name `original` gets: itself, or the first free "original-n"; reports a rename. `taken`
  // tells whether a candidate is in use and, when it is free, sets `key` to its collation key.
  using NameTaken = std::function<bool(const std::string& candidate, std::string& key)>;
  std::string UniqueName(const std::string& original, std::string& key, const NameTaken& taken) const;
  // True (with the limit message while enabled) when a book of `count` records takes no more.
  bool RefuseInsertion(size_t count) const;
  // "データ数が1000を超えています", with the names dropped by a file read when there are any.
  void ReportLimit(const std::vector<std::string>& dropped) const;
  void ReadHistoryHeader(std::string_view line);

  std::vector<AddressRecord> records_;
  std::vector<std::string> keys_;  // collation keys, parallel to records_
  UserPrompt* prompt_;
};

}  // namespace mirelon
