// The printout of the list: how the list text falls on pages of a fixed-pitch font. The printout
// draws exactly these lines, and mirelon-tool prints them, so the layout is testable without a
// printer or a display.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mirelon {

// A page measured in half-width cells of the font.
struct PageCells {
  int linesPerPage = 1;
  int cellsPerLine = 1;
};

// Sizes in one unit of the caller's choice (device pixels, tenths of a millimetre …).
struct PageGeometry {
  int pageWidth = 0;
  int pageHeight = 0;
  int marginLeft = 0;
  int marginTop = 0;
  int marginRight = 0;
  int marginBottom = 0;
  int cellWidth = 1;   // advance of a half-width character
  int cellHeight = 1;  // line height
};

// The whole lines and whole cells that fit inside the margins; at least one of each, so that a
// tiny page or huge margins still print (clipped) instead of producing no pages.
PageCells PageCellsOf(const PageGeometry& geometry);

class ListPageLayout {
 public:
  // `text` is the list text (CP932, lines ended by CR LF; a last line without an ending counts
  // too). With `wordWrap` a line longer than the page continues on the next printed lines (unless
  // only blanks are left of it), otherwise it is cut at the page width; a double-byte character is
  // never split: it goes whole to the next printed line, or is left out when clipped.
  ListPageLayout(std::string text, PageCells cells, bool wordWrap);

  // At least 1: an empty list prints one empty page.
  int PageCount() const;
  // The printed lines of page `page` (1-based), without line ends; empty for a page out of range.
  // The views stay valid as long as the layout.
  std::vector<std::string_view> PageLines(int page) const;

 private:
  std::string text_;
  PageCells cells_;
  std::vector<std::string_view> lines_;  // every printed line, in order
};

}  // namespace mirelon
