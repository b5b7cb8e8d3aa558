// The whole book: up to 1000 records in collation order of their registration names, the history
// year, the book's settings and the path of its file family.
#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "book/address_record.h"
#include "book/user_prompt.h"

namespace mirelon {

inline constexpr int kBookCapacity = 1000;

class AddressBook {
 public:
  AddressBook();

  bool modified = false;
  int year;                   // the year of the newest mark of every history
  std::string nonSendMark;    // "×"
  std::string memoTitle1;     // "メモ１"
  std::string memoTitle2;     // "メモ２"
  std::string notes;
  BookFileKind fileKind = BookFileKind::SendFile;
  // Path parts of the family, native encoding: folder with its trailing separator, the name
  // without kind suffix and extension (empty: no file yet), the extension as given, with its dot.
  std::string directory;
  std::string baseName;
  std::string extension;
  bool importExists = false;
  bool sendExists = false;
  bool noSendExists = false;
  bool historyExists = false;
  int currentPage = 1;
  std::vector<int32_t> postalCheckValue = std::vector<int32_t>(kBookCapacity, 0);
  bool postalCheckDone = false;
  bool mismatchOnly = false;
  bool limitWarningEnabled = true;

  // Where the book's messages go (duplicate renaming, the record limit); never null.
  void SetPrompt(UserPrompt* prompt);
  UserPrompt& Prompt() const { return *prompt_; }

  // Records in book order; page p is record p-1. Change the set only through the operations below,
  // and a registration name only by deleting and adding the record again.
  const std::vector<AddressRecord>& records() const { return records_; }
  AddressRecord& record(int index) { return records_[static_cast<size_t>(index)]; }
  const AddressRecord& record(int index) const { return records_[static_cast<size_t>(index)]; }
  int recordCount() const { return static_cast<int>(records_.size()); }
  bool HasFile() const { return importExists || sendExists || noSendExists || historyExists; }

  // Book operations.
  int AddRecord(const AddressRecord& record);
  void InsertRecordAt(int index, const AddressRecord& record);
  void DeleteRecord(int index);
  void ComputePostalKeys();
  // First index whose name collates higher than or equal to `name` (recordCount() if none).
  int LowerBound(std::string_view name) const;

  // Reset before reading a family: no records, this year, default memo titles, empty notes.
  void ResetForRead();

  // File family.
  bool SetFileName(const std::filesystem::path& path);
  std::filesystem::path FilePathForKind() const;
  // Reads or writes the file of the current fileKind from/to a stream (no opening, no messages).
  void Read(std::istream& in);
  void Write(std::ostream& out);

 private:
  std::vector<AddressRecord> records_;
  std::vector<std::string> keys_;  // collation keys, parallel to records_
  UserPrompt* prompt_;
};

}  // namespace mirelon
