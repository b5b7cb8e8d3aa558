#include "list/list_page_layout.h"

#include <gtest/gtest.h>

#include "text/cp932.h"

namespace mirelon::test {
namespace {

// Pages in UTF-8, lines joined by "|", pages by " / ".
std::string Laid(const std::string& utf8, PageCells cells, bool wrap) {
  const ListPageLayout layout(Sjis(utf8), cells, wrap);
  std::string pages;
  for (int page = 1; page <= layout.PageCount(); ++page) {
    if (page > 1) pages += " / ";
    bool first = true;
    for (const std::string_view line : layout.PageLines(page)) {
      if (!first) pages += "|";
      pages += Cp932ToUtf8(line);
      first = false;
    }
  }
  return pages;
}

struct LayoutCase {
  const char* what;
  std::string text;  // UTF-8, CR LF line ends
  PageCells cells;
  bool wrap;
  std::string pages;
};

TEST(ListPageLayoutTest, WrapsOrClipsAtThePageWidthAndPaginates) {
  const LayoutCase cases[] = {
      {"empty list: one empty page", "", {3, 10}, false, ""},
      {"empty list wrapped", "", {3, 10}, true, ""},
      {"exact fit of width and height", "abcd\r\nefgh\r\n", {2, 4}, true, "abcd|efgh"},
      {"one line more starts a page", "a\r\nb\r\nc\r\n", {2, 4}, false, "a|b / c"},
      {"empty lines are printed", "a\r\n\r\nb\r\n", {2, 4}, false, "a| / b"},
      {"last line without ending", "a\r\nb", {5, 4}, false, "a|b"},
      {"clipped", "abcdefgh\r\nij\r\n", {5, 3}, false, "abc|ij"},
      {"wrapped", "abcdefgh\r\nij\r\n", {5, 3}, true, "abc|def|gh|ij"},
      {"wrapped lines cross pages", "abcdefgh\r\n", {2, 3}, true, "abc|def / gh"},
      {"a rest of padding blanks is not wrapped", "abc   \r\nd\r\n", {5, 3}, true, "abc|d"},
      {"double-byte character at the cut wraps whole", "ab漢字\r\n", {5, 3}, true, "ab|漢|字"},
      {"double-byte character at the cut clipped", "ab漢字\r\n", {5, 3}, false, "ab"},
      {"double-byte characters ending at the cut", "a漢b字\r\n", {5, 3}, true, "a漢|b字"},
      {"half-width kana are single cells", "ｱｲｳｴ\r\n", {5, 3}, true, "ｱｲｳ|ｴ"},
      {"a one-cell page still moves on", "漢a\r\n", {5, 1}, true, "漢|a"},
      {"LF alone ends a line too", "ab\ncd\r\n", {5, 4}, false, "ab|cd"},
  };
  for (const LayoutCase& c : cases) EXPECT_EQ(Laid(c.text, c.cells, c.wrap), c.pages) << c.what;
}

TEST(ListPageLayoutTest, PagesOutOfRangeAreEmpty) {
  const ListPageLayout layout(Sjis("a\r\nb\r\nc\r\n"), {2, 4}, false);
  EXPECT_EQ(layout.PageCount(), 2);
  EXPECT_TRUE(layout.PageLines(0).empty());
  EXPECT_TRUE(layout.PageLines(3).empty());
}

TEST(ListPageLayoutTest, PageCellsCountWholeCellsInsideTheMargins) {
  struct GeometryCase {
    const char* what;
    PageGeometry geometry;
    int lines;
    int cells;
  };
  const GeometryCase cases[] = {
      {"whole cells only", {2100, 2970, 100, 150, 100, 150, 25, 50}, 53, 76},
      {"exact fit", {100, 100, 10, 10, 10, 10, 8, 16}, 5, 10},
      {"margins wider than the page", {100, 100, 60, 60, 60, 60, 8, 16}, 1, 1},
      {"no cell size", {100, 100, 0, 0, 0, 0, 0, 0}, 1, 1},
  };
  for (const GeometryCase& c : cases) {
    const PageCells cells = PageCellsOf(c.geometry);
    EXPECT_EQ(cells.linesPerPage, c.lines) << c.what;
    EXPECT_EQ(cells.cellsPerLine, c.cells) << c.what;
  }
}

}  // namespace
}  // namespace mirelon::test
