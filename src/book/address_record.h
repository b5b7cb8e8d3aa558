// One addressee: 24 CP932 texts in the column order of the address files, plus how its two sides
// came together while the book was read.
#pragma once

#include <string>
#include <string_view>

namespace mirelon {

enum class BookFileKind { ImportFile = 0, SendFile = 1, NoSendFile = 2, HistoryFile = 3 };

enum class Pairing { AddressOnly = 0, Joined = 1, HistoryOnly = 2 };

class AddressRecord {
 public:
  // The virtual destructor would suppress the implicit moves; the book shifts records on every
  // insertion, so they must move, not copy.
  AddressRecord() = default;
  AddressRecord(const AddressRecord&) = default;
  AddressRecord(AddressRecord&&) noexcept = default;
  AddressRecord& operator=(const AddressRecord&) = default;
  AddressRecord& operator=(AddressRecord&&) noexcept = default;
  virtual ~AddressRecord() = default;

  std::string registrationName;  // 1
  std::string postalCode;        // 2
  std::string address1;          // 3
  std::string address2;          // 4
  std::string company1;          // 5
  std::string company2;          // 6
  std::string position;          // 7
  std::string name;              // 8
  std::string honorific;         // 9
  std::string jointName1;        // 10
  std::string jointHonorific1;   // 11
  std::string jointName2;        // 12
  std::string jointHonorific2;   // 13
  std::string jointName3;        // 14
  std::string jointHonorific3;   // 15
  std::string phone;             // 16
  std::string fax;               // 17
  std::string mobile;            // 18
  std::string email;             // 19
  std::string memo1;             // 20
  std::string memo2;             // 21
  std::string initialSendState;  // 22
  std::string sendHistory;       // 23
  std::string receiveHistory;    // 24
  Pairing pairing = Pairing::AddressOnly;

  static constexpr int kFieldCount = 24;
  // Field n (1-based, the file column order).
  std::string& Field(int n);
  const std::string& Field(int n) const;

  // The file line of `kind` (no line end) and its reverse; FromCsvLine sets pairing AddressOnly.
  std::string ToCsvLine(BookFileKind kind) const;
  void FromCsvLine(std::string_view line, BookFileKind kind);

  // Fills this record's empty fields 16-24 from `other` and marks it Joined.
  void TakeHistoryFrom(const AddressRecord& other);
  void TakeHistoryFrom(AddressRecord&& other);  // the same, moving the texts

  bool operator==(const AddressRecord&) const = default;
};

}  // namespace mirelon
