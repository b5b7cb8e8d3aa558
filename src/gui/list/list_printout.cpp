#include "gui/list/list_printout.h"

#include <wx/dc.h>

#include "gui/kit/wx_text.h"
#include "text/cp932.h"
#include "text/sjis.h"

namespace mirelon {

ListPrintout::ListPrintout(std::string text, const wxFont& font, bool wordWrap, const wxPageSetupDialogData& pageSetup)
    : wxPrintout(U8("Mirelon")), text_(std::move(text)), font_(font), wordWrap_(wordWrap), pageSetup_(pageSetup) {}

wxRect ListPrintout::PreparePage() {
  MapScreenSizeToPaper();
  wxDC& dc = *GetDC();
  dc.SetFont(font_);
  dc.SetTextForeground(*wxBLACK);
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  return GetLogicalPageMarginsRect(pageSetup_);
}

void ListPrintout::OnPreparePrinting() {
  const wxRect area = PreparePage();
  wxDC& dc = *GetDC();
  // Half-width cells: the fixed-pitch face draws a double-byte character in exactly two.
  const wxSize cell = dc.GetTextExtent("0");
  cellWidth_ = std::max(1, cell.x);
  lineHeight_ = std::max(1, dc.GetCharHeight());
  PageGeometry geometry;
  geometry.pageWidth = area.width;
  geometry.pageHeight = area.height;
  geometry.cellWidth = cellWidth_;
  geometry.cellHeight = lineHeight_;
  layout_ = std::make_unique<ListPageLayout>(text_, PageCellsOf(geometry), wordWrap_);
}

void ListPrintout::GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) {
  *minPage = *selPageFrom = 1;
  *maxPage = *selPageTo = layout_ ? layout_->PageCount() : 1;
}

bool ListPrintout::HasPage(int page) { return layout_ && page >= 1 && page <= layout_->PageCount(); }

bool ListPrintout::OnPrintPage(int page) {
  if (!HasPage(page)) return false;
  const wxRect area = PreparePage();
  wxDC& dc = *GetDC();
  int y = area.y;
  for (std::string_view line : layout_->PageLines(page)) {
    DrawLine(dc, line, area.x, y);
    y += lineHeight_;
  }
  return true;
}

void ListPrintout::DrawLine(wxDC& dc, std::string_view line, int x, int y) const {
  // Each character at its own cell: the font's advances, rounded on the printer's or the preview's
  // scale, would move every column by the half-width characters before it.
  static const std::string kWideBlank = Sjis("　");
  int cell = 0;
  for (size_t i = 0; i < line.size();) {
    const size_t length = IsLeadByte(line[i]) && i + 1 < line.size() ? 2 : 1;
    const std::string_view c = line.substr(i, length);
    if (c != " " && c != kWideBlank) dc.DrawText(FromCp932(c), x + cell * cellWidth_, y);
    cell += static_cast<int>(length);
    i += length;
  }
}

}  // namespace mirelon
