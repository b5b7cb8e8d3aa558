#include "postal/candidate_rule.h"

#include <gtest/gtest.h>

#include "text/cp932.h"

namespace mirelon {
namespace {

using Verdict = CandidateVerdict;

class CandidateRuleTest : public ::testing::Test {
 protected:
  CandidateRuleTest(std::string_view remainder, std::string_view lead)
      : remainder_(Sjis(remainder)), lead_(Sjis(lead)), rule_(remainder_, lead_) {}
  CandidateRuleTest() : CandidateRuleTest("港区芝公園４丁目", "港区芝公園") {}

  Verdict Judge(std::string_view rowText) { return rule_.Judge(Sjis(rowText)); }

  std::string remainder_;
  std::string lead_;
  CandidateRule<SjisEncoding> rule_;
};

TEST_F(CandidateRuleTest, LongerPrefixOfTheTypedAddressReplacesShorterOnes) {
  EXPECT_EQ(Judge("港区"), Verdict::ReplaceAll);        // the catch-all row
  EXPECT_EQ(Judge("港区芝"), Verdict::ReplaceAll);
  EXPECT_EQ(Judge("港区芝公園"), Verdict::ReplaceAll);
  EXPECT_EQ(Judge("港区芝公園"), Verdict::Add);         // the same length again
  EXPECT_EQ(Judge("港区芝"), Verdict::Skip);            // below the floor
  EXPECT_EQ(Judge("港区芝大門"), Verdict::Skip);        // disagrees and misses the lead
}

TEST_F(CandidateRuleTest, RowsStartingWithTheLeadStayBesideTheBestPrefix) {
  EXPECT_EQ(Judge("港区芝公園ビル"), Verdict::Add);      // starts with the lead
  EXPECT_EQ(Judge("港区芝公園"), Verdict::Add);          // prefix, below the best length 14
  EXPECT_EQ(Judge("港区芝"), Verdict::Add);              // no prefix row has set a floor yet
  EXPECT_EQ(Judge("港区芝公園４丁目"), Verdict::ReplaceAll);
  EXPECT_EQ(Judge("港区芝公園ビル"), Verdict::Skip);     // below the new floor
}

TEST(CandidateListTest, TheThirtiethCandidateStopsButAReplacementIsAlwaysTaken) {
  CandidateList list;
  int built = 0;
  const auto row = [&] {
    ++built;
    return PostalRow{};
  };
  for (size_t i = 0; i < CandidateList::kMaxCandidates; ++i) ASSERT_TRUE(list.Apply(Verdict::Add, row));
  EXPECT_TRUE(list.Apply(Verdict::Skip, row));
  EXPECT_TRUE(list.Apply(Verdict::ReplaceAll, row));
  EXPECT_EQ(list.rows().size(), 1u);
  for (size_t i = 1; i < CandidateList::kMaxCandidates; ++i) ASSERT_TRUE(list.Apply(Verdict::Add, row));
  EXPECT_FALSE(list.Apply(Verdict::Add, row));
  EXPECT_TRUE(list.tooMany());
  EXPECT_EQ(built, 29 + 1 + 28);
}

}  // namespace
}  // namespace mirelon
