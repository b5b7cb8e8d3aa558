#include "gui/postal/postal_result_windows.h"

#include <wx/utils.h>

#include "gui/postal/postal_result_dialog.h"

namespace mirelon {

PostalDialogAnswer PostalResultWindows::Show(const PostalDialogRequest& request) {
  std::unique_ptr<PostalResultDialog> dialog = MakePostalResultDialog(request, tooltips_);
  if (dialog->ShowModal() != wxID_OK) return {};
  return dialog->Answer();
}

void PostalResultWindows::SetBusy(bool on) {
  if (on) {
    wxBeginBusyCursor();
  } else {
    wxEndBusyCursor();
  }
}

}  // namespace mirelon
