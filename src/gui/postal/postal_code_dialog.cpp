// The code kind: the code as it will be written, with the hyphen and full-width switches, and the
// address (and business name) that "住所も書き換える" unlocks.
#include <wx/checkbox.h>

#include "gui/postal/postal_result_dialog.h"
#include "postal/postal_result_text.h"
#include "res/postal_resources.h"

namespace mirelon {

using namespace res;

PostalCodeDialog::PostalCodeDialog(const PostalDialogRequest& request, bool tooltips)
    : PostalResultDialog(request, tooltips) {
  SetChecked(kIdHyphen, request.options.bangoHyphen);
  SetChecked(kIdFullWidth, request.options.bangoZenkaku);
  SetChecked(kIdRewriteAddress, false);
  ComposeCode();
  ShowTypedTexts();
  EnableAddressControls();
  for (int id : {kIdHyphen, kIdFullWidth}) Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { ComposeCode(); }, id);
  Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { EnableAddressControls(); }, kIdRewriteAddress);
}

void PostalCodeDialog::ComposeCode() {
  codeText_ = ComposeCodeText(Row().code, Checked(kIdHyphen), Checked(kIdFullWidth));
  codeExchange_.PushOne(kIdCodeText);
}

void PostalCodeDialog::EnableAddressControls() {
  const bool on = Checked(kIdRewriteAddress);
  for (int id : {kIdOfferedAddress, kIdTypedAddress, kIdOmitPrefecture, kIdOfferedBusiness, kIdTypedCompany}) {
    if (Has(id)) FindWindow(id)->Enable(on);
  }
}

void PostalCodeDialog::OnRowSelected() {
  ComposeCode();
  ComposeAddress();
}

bool PostalCodeDialog::WritesAddress() const { return Checked(kIdRewriteAddress); }

}  // namespace mirelon
