#include "text/collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "text/cp932.h"

namespace mirelon {
namespace {

using Group = std::vector<std::string>;

Group SjisGroup(std::initializer_list<const char*> utf8) {
  Group out;
  for (const char* text : utf8) out.push_back(Sjis(text));
  return out;
}

// Names of one group share a reading (or are variants of one character) and must sort next to
// each other; the groups are in Japanese order.
const std::vector<Group>& OrderedGroups() {
  static const std::vector<Group> groups = {
      SjisGroup({"あ", "ア", "ｱ"}),    SjisGroup({"い", "イ", "ｲ"}),    SjisGroup({"か", "カ", "ｶ"}),
      SjisGroup({"が", "ガ", "ｶﾞ"}),   SjisGroup({"かい", "カイ"}),     SjisGroup({"がい", "ガイ", "ｶﾞｲ"}),
      SjisGroup({"さとう", "サトウ"}), SjisGroup({"すずき", "ｽｽﾞｷ"}),   SjisGroup({"たなか"}),
      SjisGroup({"は", "ハ"}),         SjisGroup({"ば", "バ", "ﾊﾞ"}),   SjisGroup({"ぱ", "パ", "ﾊﾟ"}),
      SjisGroup({"わたなべ"}),         SjisGroup({"ん", "ン", "ﾝ"}),
  };
  return groups;
}

std::vector<std::string> Shuffled(const std::vector<Group>& groups) {
  std::vector<std::string> names;
  for (const Group& group : groups) names.insert(names.end(), group.begin(), group.end());
  std::shuffle(names.begin(), names.end(), std::mt19937(7));
  return names;
}

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(Collation, KanaNamesSortInJapaneseOrderWithTheirVariantsSideBySide) {
  std::vector<std::string> names = Shuffled(OrderedGroups());
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) { return CollateNames(a, b) < 0; });
  size_t at = 0;
  for (const Group& group : OrderedGroups()) {
    std::vector<std::string> slice(names.begin() + at, names.begin() + at + group.size());
    for (const std::string& name : group) {
      EXPECT_NE(std::find(slice.begin(), slice.end(), name), slice.end()) << Cp932ToUtf8(name) << " out of place";
    }
    at += group.size();
  }
}

TEST(Collation, KeysGiveTheSameOrderAsCollateNames) {
  std::vector<std::string> names = Shuffled(OrderedGroups());
  for (const char* extra : {"", "a", "A", "ａ", "1", "１", "漢字", "亜", "ー", "あー", "ああ", "あ ", "あ　", "〒"}) {
    names.push_back(Sjis(extra));
  }
  names.push_back("\x85\x40");  // undecodable: ICU sees U+FFFD
  names.push_back("\x85\x41");
  for (const std::string& a : names) {
    const std::string keyA = CollationKey(a);
    for (const std::string& b : names) {
      const int order = CollateNames(a, b);
      EXPECT_EQ(order, -CollateNames(b, a));
      EXPECT_EQ(Sign(keyA.compare(CollationKey(b))), Sign(order)) << Cp932ToUtf8(a) << " / " << Cp932ToUtf8(b);
      EXPECT_EQ(order == 0, a == b) << Cp932ToUtf8(a) << " / " << Cp932ToUtf8(b);
    }
  }
}

TEST(Collation, NamesTheCollatorIgnoresDifferencesInAreStillDifferent) {
  // Control characters are ignorable to the collator, and every undecodable byte reads as U+FFFD.
  EXPECT_NE(CollateNames("\x01" "abc", "abc"), 0);
  EXPECT_NE(CollationKey("\x01" "abc"), CollationKey("abc"));
  EXPECT_NE(CollateNames("\x82", "\x83"), 0);
  EXPECT_EQ(CollateNames(Sjis("山田"), Sjis("山田")), 0);
  EXPECT_EQ(CollationKey(Sjis("山田")), CollationKey(Sjis("山田")));
}

}  // namespace
}  // namespace mirelon
