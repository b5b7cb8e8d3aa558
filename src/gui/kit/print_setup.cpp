#include "gui/kit/print_setup.h"

#include <wx/print.h>
#include <wx/printdlg.h>

#include "gui/kit/message_box.h"
#include "gui/kit/screen_fit.h"
#include "gui/kit/wx_text.h"

namespace mirelon {
namespace {

constexpr int kDefaultMarginMm = 15;

}  // namespace

PrintSetup::PrintSetup() {
  pageSetup_.SetMarginTopLeft(wxPoint(kDefaultMarginMm, kDefaultMarginMm));
  pageSetup_.SetMarginBottomRight(wxPoint(kDefaultMarginMm, kDefaultMarginMm));
}

void PrintSetup::RunPrinterSetup(wxWindow* parent) {
  wxPageSetupDialog dialog(parent, &pageSetup_);
  if (dialog.ShowModal() == wxID_OK) pageSetup_ = dialog.GetPageSetupDialogData();
}

bool PrintSetup::Print(wxWindow* parent, wxPrintout* printout) {
  wxPrintDialogData dialogData(PrintData());
  wxPrinter printer(&dialogData);
  const bool printed = printer.Print(parent, printout, true);
  delete printout;
  if (printed) {
    PrintData() = printer.GetPrintDialogData().GetPrintData();
    return true;
  }
  if (wxPrinter::GetLastError() == wxPRINTER_ERROR) ShowMessageBoxText(U8("印刷できませんでした"));
  return false;
}

bool PrintSetup::Preview(wxWindow* parent, wxPrintout* shown, wxPrintout* printing, const wxString& title) {
  wxPrintDialogData dialogData(PrintData());
  auto* preview = new wxPrintPreview(shown, printing, &dialogData);
  if (!preview->IsOk()) {
    delete preview;
    ShowMessageBoxText(U8("印刷プレビューを表示できません"));
    return false;
  }
  auto* frame = new wxPreviewFrame(preview, parent, title, wxDefaultPosition, parent->GetSize());
  frame->Centre(wxBOTH);
  frame->InitializeWithModality(wxPreviewFrame_AppModal);
  // The size of its window, framed, within the screen.
  ShowOnScreen(frame, parent->GetSize());
  return true;
}

}  // namespace mirelon
