// The list printed: the list text in the view's font on the pages of the print set-up, laid out
// by ListPageLayout (wrapped at the page width with word wrap on, clipped otherwise).
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include <wx/cmndata.h>
#include <wx/font.h>
#include <wx/prntbase.h>

#include "list/list_page_layout.h"

namespace mirelon {

class ListPrintout final : public wxPrintout {
 public:
  // `text` is the list text in CP932 with CR LF line ends.
  ListPrintout(std::string text, const wxFont& font, bool wordWrap, const wxPageSetupDialogData& pageSetup);

  // Measures the page in the font's cells on the DC it is given and lays the text out.
  void OnPreparePrinting() override;
  void GetPageInfo(int* minPage, int* maxPage, int* selPageFrom, int* selPageTo) override;
  bool HasPage(int page) override;
  bool OnPrintPage(int page) override;

  // After OnPreparePrinting.
  const ListPageLayout& Layout() const { return *layout_; }

 private:
  // Scales the DC so the font prints at its point size; returns the printable area within margins.
  wxRect PreparePage();
  // One line of the page with its top left corner at (x, y).
  void DrawLine(wxDC& dc, std::string_view line, int x, int y) const;

  std::string text_;
  wxFont font_;
  bool wordWrap_;
  wxPageSetupDialogData pageSetup_;
  int lineHeight_ = 1;
  int cellWidth_ = 1;
  std::unique_ptr<ListPageLayout> layout_;
};

}  // namespace mirelon
