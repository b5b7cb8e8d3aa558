// The print set-up of the run, shared by every printout of the program: printer, paper,
// orientation and margins stay as the user last chose them until the program ends. Printing and
// the preview go through here so each printout starts from the same set-up and the user's choices
// in the print dialog carry over to the next printout.
#pragma once

#include <wx/cmndata.h>
#include <wx/string.h>

class wxPrintout;
class wxWindow;

namespace mirelon {

class PrintSetup {
 public:
  PrintSetup();

  const wxPageSetupDialogData& PageSetup() const { return pageSetup_; }
  wxPrintData& PrintData() { return pageSetup_.GetPrintData(); }

  // The platform's page set-up dialog (printer, paper, orientation).
  void RunPrinterSetup(wxWindow* parent);
  // The print dialog, then the pages; takes `printout`. False when the user cancelled or the
  // printing failed (a failure has been reported to the user).
  bool Print(wxWindow* parent, wxPrintout* printout);
  // Opens the preview frame over `parent`; takes both printouts (`printing` serves the preview's
  // print button). Returns false, after a message, when the preview cannot be made.
  bool Preview(wxWindow* parent, wxPrintout* shown, wxPrintout* printing, const wxString& title);

 private:
  wxPageSetupDialogData pageSetup_;
};

}  // namespace mirelon
