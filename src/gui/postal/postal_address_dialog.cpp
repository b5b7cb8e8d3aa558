// The address kind: the offered address (and business name), and the typed texts beside them from
// which a part selected with the mouse can be copied into the offered ones.

#include <utility>

#include <wx/button.h>

#include "gui/kit/wx_text.h"
#include "gui/postal/postal_result_dialog.h"
#include "gui/postal/selection_edit.h"
#include "res/postal_resources.h"

namespace mirelon {

using namespace res;

namespace {
// Each read-only edit and the edit its selection is copied into.
constexpr std::pair<int, int> kCopyPairs[] = {{kIdTypedAddress, kIdOfferedAddress},
                                              {kIdTypedCompany, kIdOfferedBusiness}};
}  // namespace

PostalAddressDialog::PostalAddressDialog(const PostalDialogRequest& request, bool tooltips)
    : PostalResultDialog(request, tooltips) {
  if (!request.typedAddress.empty() || (Business() && !request.typedCompany.empty())) {
    wxWindow* copyButton = FindWindow(kIdPartialCopy);
    for (const auto& [source, target] : kCopyPairs) {
      if (!Has(source)) continue;
      auto& edit = Control<SelectionEdit>(source);
      edit.SetBuddy(copyButton);
      edit.Show();
    }
    copyButton->Show();
    Control<wxButton>(kIdPostalOk).SetLabel(U8("住所変更"));
  }
  ShowTypedTexts();
  CaretsToEnd();
  // GTK selects an edit's whole text when the window gives it the first focus, as it is shown: the
  // caret goes back to the end once the window runs.
  CallAfter([this] { CaretsToEnd(); });
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnPartialCopy(); }, kIdPartialCopy);
}

void PostalAddressDialog::CaretsToEnd() {
  for (int id : {kIdOfferedAddress, kIdOfferedBusiness}) {
    if (Has(id)) Control<wxTextCtrl>(id).SetInsertionPointEnd();
  }
}

void PostalAddressDialog::Recompose() {
  ComposeAddress();
  CaretsToEnd();
  FindWindow(kIdPartialCopy)->Disable();
}

void PostalAddressDialog::OnOmitPrefecture() {
  TogglePrefecture();
  CaretsToEnd();
}

void PostalAddressDialog::OnPartialCopy() {
  for (const auto& [sourceId, targetId] : kCopyPairs) {
    if (!Has(sourceId)) continue;
    auto& source = Control<wxTextCtrl>(sourceId);
    long from = 0, to = 0;
    source.GetSelection(&from, &to);
    if (from >= to) continue;
    const wxString part = source.GetRange(from, to);
    source.SetSelection(to, to);
    auto& target = Control<wxTextCtrl>(targetId);
    long targetFrom = 0, targetTo = 0;
    target.GetSelection(&targetFrom, &targetTo);
    target.SetInsertionPoint(targetTo);
    target.WriteText(part);
  }
  FindWindow(kIdPartialCopy)->Disable();
}

}  // namespace mirelon
