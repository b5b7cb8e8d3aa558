#include "gui/list/list_printout.h"

#include <wx/dc.h>

#include "gui/kit/wx_text.h"

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
  lineHeight_ = std::max(1, dc.GetCharHeight());
  PageGeometry geometry;
  geometry.pageWidth = area.width;
  geometry.pageHeight = area.height;
  geometry.cellWidth = std::max(1, cell.x);
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
    if (!line.empty()) dc.DrawText(FromCp932(line), area.x, y);
    y += lineHeight_;
  }
  return true;
}

}  // namespace mirelon
