#include "list/list_page_layout.h"

#include <algorithm>
#include <cstddef>

#include "text/sjis.h"

namespace mirelon {

PageCells PageCellsOf(const PageGeometry& geometry) {
  const auto fit = [](int extent, int cell) { return std::max(1, cell > 0 ? extent / cell : 1); };
  return {fit(geometry.pageHeight - geometry.marginTop - geometry.marginBottom, geometry.cellHeight),
          fit(geometry.pageWidth - geometry.marginLeft - geometry.marginRight, geometry.cellWidth)};
}

ListPageLayout::ListPageLayout(std::string text, PageCells cells, bool wordWrap)
    : text_(std::move(text)), cells_{std::max(1, cells.linesPerPage), std::max(1, cells.cellsPerLine)} {
  std::string_view rest = text_;
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    do {
      size_t cut = HalfWidthPrefix(line, cells_.cellsPerLine);
      // A page one cell wide still has to make progress past a double-byte character.
      if (cut == 0 && !line.empty()) cut = std::min<size_t>(line.size(), IsLeadByte(line[0]) ? 2 : 1);
      lines_.push_back(line.substr(0, cut));
      line.remove_prefix(cut);
      // The list pads every slot with blanks: a rest of blanks alone would print as an empty line.
    } while (wordWrap && line.find_first_not_of(' ') != std::string_view::npos);
  }
}

int ListPageLayout::PageCount() const {
  const size_t perPage = static_cast<size_t>(cells_.linesPerPage);
  return std::max(1, static_cast<int>((lines_.size() + perPage - 1) / perPage));
}

std::vector<std::string_view> ListPageLayout::PageLines(int page) const {
  if (page < 1 || page > PageCount()) return {};
  const size_t perPage = static_cast<size_t>(cells_.linesPerPage);
  const size_t first = static_cast<size_t>(page - 1) * perPage;
  const size_t last = std::min(lines_.size(), first + perPage);
  return {lines_.begin() + static_cast<std::ptrdiff_t>(first), lines_.begin() + static_cast<std::ptrdiff_t>(last)};
}

}  // namespace mirelon
