// Every command of the editor's buttons and window menu whose work lives elsewhere in the program:
// the file flows, the list window, the options and index windows, the sibling program, the help
// page, the postal search, the contacts import and export, and what the editor needs to know of
// the sibling program. The application implements it; GUI tests implement a fake that records the
// calls. The seam runs one way: a service gets the editor's window as the parent of its own
// dialogs and the page as a value, and answers with what it did; the editor shows that itself. The
// editor has already committed its page where a command needs the book up to date.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "appcore/sibling_program_data.h"
#include "gui/editor/page_members.h"

class wxWindow;

namespace mirelon {

// A book read again or changed, to be shown from this page (one beyond its records: the empty new
// page); nothing when the book on display is still what it was.
using PageToShow = std::optional<int>;

// What the postal search found for the page (CP932); an empty text leaves its field as it is.
struct FoundFields {
  std::string postalCode, address1, company1;
};

class EditorServices {
 public:
  virtual ~EditorServices() = default;

  virtual PageToShow ReadFile(wxWindow* parent) = 0;  // 1001, the whole read flow
  virtual void WriteFile(wxWindow* parent) = 0;       // 1002, the whole write flow
  // 1000, after the editor recorded the page: create the list frame as the main window; false when
  // none was created (the editor then keeps its window). When the frame has closed,
  // `reopenEditor` gives the editor its window back and answers it.
  virtual bool OpenListWindow(std::function<wxWindow*()> reopenEditor) = 0;
  virtual void RunOptionsDialog(wxWindow* parent) = 0;  // 1003, modal; the editor refreshes afterwards
  // 1063, modal; true when it ended with OK (the chosen record is then the book's currentPage).
  virtual bool RunIndexDialog(wxWindow* parent, const SiblingProgramData& sibling) = 0;
  // 1172; the book read again once the sibling program has ended.
  virtual PageToShow LaunchQuelta(wxWindow* parent, SiblingProgramData& sibling, bool ctrlDown) = 0;
  virtual void OpenHelp() = 0;  // 1199
  // 1174; nothing when the user cancelled or nothing was found.
  virtual std::optional<FoundFields> PostalSearch(const PageMembers& page, const SiblingProgramData& sibling) = 0;
  virtual PageToShow ImportContacts(wxWindow* parent) = 0;  // "連絡先の取り込み..."
  virtual void ExportContacts(wxWindow* parent) = 0;        // "連絡先の書き出し..."
  // The sibling's path from the settings, and the postal data file found by the search order.
  virtual void ReadQueltaPath(SiblingProgramData& sibling) = 0;
  virtual void ProbePostalData(SiblingProgramData& sibling) = 0;
};

}  // namespace mirelon
