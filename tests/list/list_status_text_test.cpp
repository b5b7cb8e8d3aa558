#include "list/list_status_text.h"

#include <gtest/gtest.h>

#include "text/cp932.h"

namespace mirelon::test {
namespace {

std::string Status(int filter, int numbering, int count) {
  DisplayFormat format;
  format.filter = static_cast<int16_t>(filter);
  format.numbering = static_cast<int16_t>(numbering);
  format.displayedCount = count;
  return ListStatusText(format);
}

TEST(ListStatusTextTest, NamesFilterNumberingAndCount) {
  EXPECT_EQ(Cp932ToUtf8(Status(0, 0, 0)), "              すべて表示  連番      0件");
  EXPECT_EQ(Cp932ToUtf8(Status(1, 1, 12)), "  初期状態で送信するもの  ページ   12件");
  EXPECT_EQ(Cp932ToUtf8(Status(6, 0, 1000)), "前回履歴で送信しないもの  連番   1000件");
  EXPECT_EQ(Cp932ToUtf8(Status(7, 0, 99999)), "              すべて表示  連番  99999件");
}

TEST(ListStatusTextTest, WithoutNumberingTheLabelMovesRightAndTheWidthStays) {
  const std::string unnumbered = Status(4, 2, 3);
  EXPECT_EQ(Cp932ToUtf8(unnumbered), "        初期状態で送信しないもの    3件");
  EXPECT_EQ(unnumbered.size(), Status(4, 0, 3).size());
  EXPECT_EQ(Cp932ToUtf8(Status(-1, -1, 3)), "                      すべて表示    3件");
}

}  // namespace
}  // namespace mirelon::test
