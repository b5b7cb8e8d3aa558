#include "book/address_record.h"

#include <gtest/gtest.h>

#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

// Reading each kind back is covered byte for byte by the family fixtures; these are the parts
// the fixtures cannot show.
TEST(AddressRecord, LinesCarryTheirKindsColumns) {
  AddressRecord record;
  record.registrationName = "n";
  record.jointHonorific3 = "h";
  record.receiveHistory = "r";
  EXPECT_EQ(record.ToCsvLine(BookFileKind::SendFile), "n,,,,,,,,,,,,,,h");
  EXPECT_EQ(record.ToCsvLine(BookFileKind::HistoryFile), "n,,,,,,,,,r");
  EXPECT_EQ(record.ToCsvLine(BookFileKind::ImportFile), "n,,,,,,,,,,,,,,h,,,,,,,,,r");
  // Surplus fields are ignored; the other side is emptied.
  record.FromCsvLine("m,p,,,,,,,,,,,,,h3,extra", BookFileKind::NoSendFile);
  EXPECT_EQ(record.jointHonorific3 + record.receiveHistory, "h3");
}

TEST(AddressRecord, ImportNormalisesSendStateAndEmptyHistories) {
  AddressRecord record;
  record.FromCsvLine("a" + std::string(21, ',') + "送信しない ,,"_sjis, BookFileKind::ImportFile);
  EXPECT_EQ(record.initialSendState, "送信する"_sjis);
  EXPECT_EQ(record.sendHistory, "□"_sjis);
  EXPECT_EQ(record.receiveHistory, "□"_sjis);
}

TEST(AddressRecord, TakingAHistoryFillsOnlyTheEmptyHistoryFields) {
  AddressRecord address;
  address.registrationName = "a";
  address.memo1 = "own";
  AddressRecord history;
  history.registrationName = "h";
  history.postalCode = "100-0001";
  history.phone = "03";
  history.memo1 = "theirs";
  history.memo2 = "m2";
  history.pairing = Pairing::HistoryOnly;
  address.TakeHistoryFrom(history);
  EXPECT_EQ(address.registrationName + address.postalCode, "a");
  EXPECT_EQ(address.phone + "|" + address.memo1 + "|" + address.memo2, "03|own|m2");
  EXPECT_EQ(address.pairing, Pairing::Joined);
}

}  // namespace
}  // namespace mirelon
