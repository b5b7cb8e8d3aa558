#include "book/address_record.h"

#include <gtest/gtest.h>

#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

AddressRecord NameOnly(const std::string& name) {
  AddressRecord record;
  record.registrationName = name;
  return record;
}

// A record with every field set, using the bytes a file format can trip over.
AddressRecord FullRecord() {
  AddressRecord record;
  for (int n = 1; n <= AddressRecord::kFieldCount; ++n) record.Field(n) = "f" + std::to_string(n) + "ソ"_sjis;
  record.registrationName = "やまだ,表"_sjis;
  record.company1 = "\"能\"社"_sjis;
  record.memo1 = "一行目\r\n二行目"_sjis;
  record.initialSendState = "送信しない"_sjis;
  record.sendHistory = "□×"_sjis;
  record.receiveHistory = "○□"_sjis;
  return record;
}

TEST(AddressRecord, LineOfANameOnlyRecordHasTheKindsColumnCount) {
  const AddressRecord record = NameOnly("abc");
  EXPECT_EQ(record.ToCsvLine(BookFileKind::SendFile), "abc" + std::string(14, ','));
  EXPECT_EQ(record.ToCsvLine(BookFileKind::NoSendFile), "abc" + std::string(14, ','));
  EXPECT_EQ(record.ToCsvLine(BookFileKind::HistoryFile), "abc" + std::string(9, ','));
  EXPECT_EQ(record.ToCsvLine(BookFileKind::ImportFile), "abc" + std::string(23, ','));
}

TEST(AddressRecord, LinesCarryTheirSideInFileColumnOrder) {
  AddressRecord record = NameOnly("n");
  record.postalCode = "p";
  record.jointHonorific3 = "h3";
  record.phone = "tel";
  record.receiveHistory = "r";
  EXPECT_EQ(record.ToCsvLine(BookFileKind::SendFile), "n,p,,,,,,,,,,,,,h3");
  EXPECT_EQ(record.ToCsvLine(BookFileKind::HistoryFile), "n,tel,,,,,,,,r");
  EXPECT_EQ(record.ToCsvLine(BookFileKind::ImportFile), "n,p,,,,,,,,,,,,,h3,tel,,,,,,,,r");
}

TEST(AddressRecord, ImportLineReadsBackEveryField) {
  AddressRecord record = FullRecord();
  record.pairing = Pairing::Joined;
  AddressRecord back;
  back.FromCsvLine(record.ToCsvLine(BookFileKind::ImportFile), BookFileKind::ImportFile);
  record.pairing = Pairing::AddressOnly;
  EXPECT_EQ(back, record);
}

TEST(AddressRecord, EachFileKindFillsOnlyItsSide) {
  const AddressRecord full = FullRecord();
  AddressRecord address = full;
  address.FromCsvLine(full.ToCsvLine(BookFileKind::SendFile), BookFileKind::SendFile);
  for (int n = 1; n <= 15; ++n) EXPECT_EQ(address.Field(n), full.Field(n)) << n;
  for (int n = 16; n <= 24; ++n) EXPECT_EQ(address.Field(n), "") << n;

  AddressRecord history = full;
  history.pairing = Pairing::HistoryOnly;
  history.FromCsvLine(full.ToCsvLine(BookFileKind::HistoryFile), BookFileKind::HistoryFile);
  EXPECT_EQ(history.registrationName, full.registrationName);
  for (int n = 2; n <= 15; ++n) EXPECT_EQ(history.Field(n), "") << n;
  for (int n = 16; n <= 24; ++n) EXPECT_EQ(history.Field(n), full.Field(n)) << n;
  EXPECT_EQ(history.pairing, Pairing::AddressOnly);
}

TEST(AddressRecord, ImportNormalisesSendStateAndEmptyHistories) {
  AddressRecord record;
  record.FromCsvLine("a" + std::string(21, ',') + "送信しない ,,"_sjis, BookFileKind::ImportFile);
  EXPECT_EQ(record.initialSendState, "送信する"_sjis);
  EXPECT_EQ(record.sendHistory, "□"_sjis);
  EXPECT_EQ(record.receiveHistory, "□"_sjis);
  // The history file keeps what it finds.
  record.FromCsvLine("a,,,,,,,,,", BookFileKind::HistoryFile);
  EXPECT_EQ(record.initialSendState, "");
  EXPECT_EQ(record.sendHistory, "");
}

TEST(AddressRecord, MissingFieldsReadEmptyAndSurplusFieldsAreIgnored) {
  AddressRecord record = FullRecord();
  record.FromCsvLine("a,b", BookFileKind::SendFile);
  EXPECT_EQ(record.postalCode, "b");
  EXPECT_EQ(record.address1, "");
  record.FromCsvLine("a" + std::string(14, ',') + "h3,extra,more", BookFileKind::SendFile);
  EXPECT_EQ(record.jointHonorific3, "h3");
  EXPECT_EQ(record.phone, "");
}

TEST(AddressRecord, TakeHistoryFromFillsOnlyEmptyHistoryFields) {
  AddressRecord address = NameOnly("a");
  address.postalCode = "100-0001";
  address.memo1 = "mine";
  AddressRecord history = FullRecord();
  address.TakeHistoryFrom(history);
  EXPECT_EQ(address.memo1, "mine");
  EXPECT_EQ(address.memo2, history.memo2);
  EXPECT_EQ(address.sendHistory, history.sendHistory);
  EXPECT_EQ(address.registrationName, "a");
  EXPECT_EQ(address.postalCode, "100-0001");
  EXPECT_EQ(address.name, "");
  EXPECT_EQ(address.pairing, Pairing::Joined);
}

}  // namespace
}  // namespace mirelon
