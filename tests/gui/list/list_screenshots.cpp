// Writes screenshots of the list window (word wrap off and on), the display-format dialog, a
// print preview page and the print dialog into the folder given as the first argument, and a
// printed page rendered on a memory DC. Run under xvfb-run with ImageMagick's import (scripts/screenshots).
#include <cstdio>

#include <wx/app.h>
#include <wx/print.h>
#include <wx/timer.h>
#include <wx/uiaction.h>

#include "appcore/program_settings.h"
#include "book/address_book.h"
#include "gui/kit/print_setup.h"
#include "gui/list/display_format_dialog.h"
#include "gui/list/list_printout.h"
#include "gui/list/list_window.h"
#include "gui/list/main_frame.h"
#include "gui/list/mirelon_view.h"
#include "list/list_item_kind.h"
#include "res/list_resources.h"
#include "gui/support/screenshot_support.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;

void FillBook(AddressBook& book) {
  static const char* const kFamily[] = {"山田", "佐藤", "鈴木", "高橋", "田中", "渡辺", "伊藤", "中村"};
  for (int i = 0; i < 80; ++i) {
    char key[16];
    std::snprintf(key, sizeof key, "k%03d", i);
    AddressRecord r;
    r.registrationName = key;
    r.name = Sjis(std::string(kFamily[i % 8]) + " 太郎");
    r.honorific = "様"_sjis;
    r.postalCode = "100-0001";
    r.address1 = "東京都千代田区千代田１丁目１番１号"_sjis;
    r.address2 = "千代田レジデンス１０１号室"_sjis;
    r.phone = "03-1234-5678";
    r.sendHistory = "○○○○○○×○○後"_sjis;
    book.InsertRecordAt(book.recordCount(), r);
  }
}

// Three lines: name, postal code and address; the company lines; phone and histories.
void SetThreeLines(SettingsStore& settings) {
  const int items[][3] = {{101, 2, 16}, {102, 3, 4}, {103, 4, 8}, {104, 5, 70}, {201, 8, 30}, {202, 7, 40},
                          {301, 18, 14}, {302, 25, 12}, {303, 26, 12}};
  for (const auto& item : items) {
    settings.SetInt("List", "dspItem" + std::to_string(item[0]), item[1] * 1000 + item[2]);
  }
  for (int line = 1; line <= 3; ++line) settings.SetInt("List", "dspLine" + std::to_string(line), 1);
}

void SendCommand(wxWindow* frame, int command) {
  wxCommandEvent event(wxEVT_MENU, res::CommandWindowId(command));
  frame->HandleWindowEvent(event);
}

class ListScreenshotApp final : public wxApp {
 public:
  bool OnInit() override {
    if (!StartScreenshotProgram(*this)) return false;
    FillBook(book_);
    SetThreeLines(settings_);
    settings_.SetInt(misc::kSection, misc::kWndWidth, 600);
    settings_.SetInt(misc::kSection, misc::kWndHeight, 560);
    return true;
  }

  int OnRun() override {
    PrintSetup printing;
    ProgramSettings settings(settings_);
    const ListWindowContext context{book_, settings, printing, [] {}, {}};
    CMainFrame* frame = OpenListWindow(context);
    Capture(frame, "list_frame");
    SendCommand(frame, res::kCmdWordWrap);
    Capture(frame, "list_frame_wrapped");

    DisplayFormat format = frame->View()->Format();
    auto* dialog = new DisplayFormatDialog(frame, format, book_, true);
    dialog->Show();
    Capture(dialog, "format_dialog");
    dialog->Destroy();

    SendCommand(frame, res::kCmdPrintPreview);
    Settle();
    for (wxWindow* window : wxTopLevelWindows) {
      if (window != frame && window->IsShown()) Capture(window, "print_preview");
    }
    RenderPage(*frame->View());
    CapturePrintDialog(frame);
    frame->View()->GetDocument()->Modify(false);
    return 0;
  }

 private:
  // Page 1 as a printer at 100 dpi on A4 would get it.
  static void RenderPage(CMirelonView& view) {
    std::unique_ptr<wxPrintout> printout(view.OnCreatePrintout());
    RenderPrintedPage(*printout, 100, wxSize(210, 297), "printed_page1");
  }

  // GTK's print dialog is no wx window: the top left of the screen, where it opens without a
  // window manager, is captured while it is up, then Escape closes it.
  static void CapturePrintDialog(wxWindow* frame) {
    wxTimer capture;
    capture.Bind(wxEVT_TIMER, [](wxTimerEvent&) {
      CaptureScreen(wxRect(0, 0, 660, 520), "print_dialog");
      wxUIActionSimulator().Char(WXK_ESCAPE);
    });
    capture.StartOnce(2000);
    SendCommand(frame, res::kCmdPrint);
  }

  MemorySettingsStore settings_;
  AddressBook book_;
};

}  // namespace
}  // namespace mirelon

wxIMPLEMENT_APP_NO_MAIN(mirelon::ListScreenshotApp);

int main(int argc, char** argv) { return wxEntry(argc, argv); }
