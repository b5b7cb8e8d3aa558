#include "book/address_record.h"

#include <gtest/gtest.h>

#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

AddressRecord FullRecord() {
  AddressRecord record;
  for (int n = 1; n <= AddressRecord::kFieldCount; ++n) record.Field(n) = "f" + std::to_string(n) + "ソ,\""_sjis;
  record.memo1 = "一行目\r\n二行目"_sjis;
  record.initialSendState = "送信しない"_sjis;
  return record;
}

TEST(AddressRecord, LinesCarryTheirKindsColumns) {
  AddressRecord record;
  record.registrationName = "n";
  record.jointHonorific3 = "h";
  record.receiveHistory = "r";
  EXPECT_EQ(record.ToCsvLine(BookFileKind::SendFile), "n,,,,,,,,,,,,,,h");
  EXPECT_EQ(record.ToCsvLine(BookFileKind::HistoryFile), "n,,,,,,,,,r");
  EXPECT_EQ(record.ToCsvLine(BookFileKind::ImportFile), "n,,,,,,,,,,,,,,h,,,,,,,,,r");

  // Each kind reads back its own side and empties the other; pairing is always AddressOnly.
  const AddressRecord full = FullRecord();
  for (const BookFileKind kind : {BookFileKind::SendFile, BookFileKind::HistoryFile, BookFileKind::ImportFile}) {
    AddressRecord back = full;
    back.pairing = Pairing::Joined;
    back.FromCsvLine(full.ToCsvLine(kind) + ",surplus", kind);
    for (int n = 1; n <= AddressRecord::kFieldCount; ++n) {
      const bool inFile = n == 1 || (n <= 15 ? kind != BookFileKind::HistoryFile : kind != BookFileKind::SendFile);
      EXPECT_EQ(back.Field(n), inFile ? full.Field(n) : "") << static_cast<int>(kind) << " field " << n;
    }
    EXPECT_EQ(back.pairing, Pairing::AddressOnly);
  }
}

TEST(AddressRecord, ImportNormalisesSendStateAndEmptyHistories) {
  AddressRecord record;
  record.FromCsvLine("a" + std::string(21, ',') + "送信しない ,,"_sjis, BookFileKind::ImportFile);
  EXPECT_EQ(record.initialSendState, "送信する"_sjis);
  EXPECT_EQ(record.sendHistory, "□"_sjis);
  EXPECT_EQ(record.receiveHistory, "□"_sjis);
}

TEST(AddressRecord, TakeHistoryFromFillsOnlyEmptyHistoryFields) {
  AddressRecord address;
  address.postalCode = "100-0001";
  address.memo1 = "mine";
  const AddressRecord history = FullRecord();
  address.TakeHistoryFrom(history);
  EXPECT_EQ(address.memo1, "mine");
  EXPECT_EQ(address.memo2, history.memo2);
  EXPECT_EQ(address.receiveHistory, history.receiveHistory);
  EXPECT_EQ(address.postalCode, "100-0001");
  EXPECT_EQ(address.registrationName, "");
  EXPECT_EQ(address.pairing, Pairing::Joined);
}

}  // namespace
}  // namespace mirelon
