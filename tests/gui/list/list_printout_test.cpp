// The printout of the list: pages rendered on a memory DC as a printer would get them, with word
// wrap on and off; and printed to a PDF through GTK's file backend and read back as text.
#include <cstdio>
#include <cstdlib>

#include <filesystem>

#include <wx/dcmemory.h>
#include <wx/print.h>
#include <wx/textctrl.h>

#include "gui/list/list_printout.h"
#include "gui/support/list_window_fixture.h"
#include "gui/support/print_to_file.h"
#include "res/list_resources.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace mirelon::test {
namespace {

// Renders every page of `printout` on an A4 page at 150 dpi; returns the number of pages drawn and
// whether each page had ink inside its margins and none outside.
struct Rendered {
  int pages = 0;
  bool inkInsideOnly = true;
};

Rendered RenderAll(wxPrintout& printout) {
  const wxSize page(1240, 1754);
  wxBitmap bitmap(page, 24);
  wxMemoryDC dc(bitmap);
  printout.SetDC(&dc);
  printout.SetPPIScreen(96, 96);
  printout.SetPPIPrinter(150, 150);
  printout.SetPageSizePixels(page.x, page.y);
  printout.SetPaperRectPixels(wxRect(page));
  printout.SetPageSizeMM(210, 297);
  printout.OnPreparePrinting();
  int minPage = 0, maxPage = 0, from = 0, to = 0;
  printout.GetPageInfo(&minPage, &maxPage, &from, &to);
  Rendered rendered;
  const int margin = 15 * 150 * 10 / 254;  // 15 mm in pixels
  for (int number = minPage; number <= maxPage && printout.HasPage(number); ++number) {
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    printout.OnPrintPage(number);
    ++rendered.pages;
    dc.SelectObject(wxNullBitmap);
    const wxImage image = bitmap.ConvertToImage();
    dc.SelectObject(bitmap);
    bool inside = false;
    for (int y = 0; y < page.y; y += 2) {
      for (int x = 0; x < page.x; x += 2) {
        if (image.GetRed(x, y) > 128) continue;
        const bool within = x >= margin - 2 && x < page.x - margin + 2 && y >= margin - 2 && y < page.y - margin + 2;
        inside = inside || within;
        rendered.inkInsideOnly = rendered.inkInsideOnly && within;
      }
    }
    rendered.inkInsideOnly = rendered.inkInsideOnly && inside;
  }
  dc.SelectObject(wxNullBitmap);
  return rendered;
}

class ListPrintoutTest : public ListWindowTest {
 protected:
  void SetUp() override {
    ListWindowTest::SetUp();
    AddRecords(150);
    // One long line per record, ending in its registration name past an A4 page's width: it wraps
    // or is cut there.
    settings_.SetInt("List", "dspLine1", 1);
    settings_.SetInt("List", "dspItem101", 2 * 1000 + 20);
    settings_.SetInt("List", "dspItem102", 5 * 1000 + 100);
    settings_.SetInt("List", "dspItem103", 1 * 1000 + 10);
    Open();
  }

  std::unique_ptr<ListPrintout> Printout() {
    return std::unique_ptr<ListPrintout>(static_cast<ListPrintout*>(View().OnCreatePrintout()));
  }
};

TEST_F(ListPrintoutTest, PagesHoldTheListInTheViewsFontWrappedOrCut) {
  auto cut = Printout();
  const Rendered cutPages = RenderAll(*cut);
  EXPECT_EQ(cutPages.pages, cut->Layout().PageCount());
  EXPECT_GE(cutPages.pages, 2);
  EXPECT_TRUE(cutPages.inkInsideOnly);
  const std::string firstLine = Cp932ToUtf8(std::string(cut->Layout().PageLines(1).front()));
  EXPECT_EQ(firstLine.substr(0, 10), "  1 山田");

  Command(res::kCmdWordWrap);
  auto wrapped = Printout();
  const Rendered wrappedPages = RenderAll(*wrapped);
  EXPECT_EQ(wrappedPages.pages, wrapped->Layout().PageCount());
  EXPECT_GT(wrappedPages.pages, cutPages.pages);  // every record takes two printed lines
  EXPECT_TRUE(wrappedPages.inkInsideOnly);
}

// Printed through GTK's "print to file"; pdftotext (poppler-utils) reads the PDF back.
TEST_F(ListPrintoutTest, PrintingToAFileWritesEveryRecordIntoAPdf) {
  if (const auto why = PrintToFileUnavailable()) GTEST_SKIP() << *why;
  TempFolder folder;
  const std::filesystem::path pdf = PrintToFile(printing_, folder.path(), [this] { Command(res::kCmdPrint); });
  ASSERT_FALSE(pdf.empty()) << "no PDF written";
  const std::string text = (folder / "list.txt").string();
  ASSERT_EQ(std::system(("pdftotext -layout '" + pdf.string() + "' " + text).c_str()), 0);
  const std::string printed = ReadBytes(text);
  EXPECT_NE(printed.find('\f'), std::string::npos);  // more than one page
  // Every record once, in order, its number and name intact.
  size_t at = 0;
  for (int record = 1; record <= 150; ++record) {
    char line[64];
    std::snprintf(line, sizeof line, "%d 山田 太郎r%04d", record, record);
    at = printed.find(line, at);
    ASSERT_NE(at, std::string::npos) << line;
  }
}

// The postal-code column after names of every mix of full-width and half-width characters starts
// at the same place on paper: a double-byte character takes exactly two half-width cells.
TEST_F(ListWindowTest, AColumnAfterMixedWidthTextStartsAtOnePlaceOnPaper) {
  if (const auto why = PrintToFileUnavailable()) GTEST_SKIP() << *why;
  const char* names[] = {"山田太郎", "ﾔﾏﾀﾞﾀﾛｳ", "abcdefghij", "山ﾀﾞ田ﾀ郎", "a山b田c", "　　ｱ"};
  int number = 0;
  for (const char* name : names) {
    AddressRecord record;
    record.registrationName = Sjis(std::string("r") + std::to_string(++number));
    record.name = Sjis(name);
    record.postalCode = "100-000" + std::to_string(number);
    book_.InsertRecordAt(book_.recordCount(), record);
  }
  Open();
  // On screen too: the view's font draws a double-byte character in exactly two cells.
  EXPECT_EQ(Edit().GetTextExtent(U8("ああ")).x, Edit().GetTextExtent("0000").x);
  TempFolder folder;
  const std::filesystem::path pdf = PrintToFile(printing_, folder.path(), [this] { Command(res::kCmdPrint); });
  ASSERT_FALSE(pdf.empty()) << "no PDF written";
  const std::string boxes = CommandOutput("pdftotext -bbox '" + pdf.string() + "' -");
  std::vector<double> starts;
  for (int i = 1; i <= number; ++i) {
    const std::string code = ">100-000" + std::to_string(i) + "<";
    const size_t word = boxes.find(code);
    ASSERT_NE(word, std::string::npos) << code << "\n" << boxes;
    const size_t x = boxes.rfind("xMin=\"", word);
    starts.push_back(std::stod(boxes.substr(x + 6)));
  }
  constexpr double kPointsPerTenthMm = 72.0 / 254.0;
  for (size_t i = 1; i < starts.size(); ++i) EXPECT_NEAR(starts[i], starts[0], kPointsPerTenthMm) << names[i];
}

}  // namespace
}  // namespace mirelon::test
