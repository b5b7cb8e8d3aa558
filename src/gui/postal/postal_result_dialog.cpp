#include "gui/postal/postal_result_dialog.h"

#include <wx/checkbox.h>
#include <wx/listbox.h>

#include "gui/kit/message_box.h"
#include "gui/kit/wx_text.h"
#include "gui/postal/selection_edit.h"
#include "postal/postal_result_text.h"
#include "res/postal_resources.h"
#include "text/cp932.h"

namespace mirelon {

using namespace literals;
using namespace res;

namespace {
constexpr const char* kAddressField = "住所";
}  // namespace

int PostalResultTemplateNumber(PostalDialogKind kind) {
  switch (kind) {
    case PostalDialogKind::CodeResult: return kCodeResultTemplate;
    case PostalDialogKind::CodeChoice: return kCodeChoiceTemplate;
    case PostalDialogKind::BusinessCodeResult: return kBusinessCodeResultTemplate;
    case PostalDialogKind::BusinessCodeChoice: return kBusinessCodeChoiceTemplate;
    case PostalDialogKind::AddressResult: return kAddressResultTemplate;
    case PostalDialogKind::AddressChoice: return kAddressChoiceTemplate;
    case PostalDialogKind::BusinessAddressResult: return kBusinessAddressResultTemplate;
    case PostalDialogKind::BusinessAddressChoice: return kBusinessAddressChoiceTemplate;
  }
  return kCodeResultTemplate;
}

std::unique_ptr<PostalResultDialog> MakePostalResultDialog(const PostalDialogRequest& request, bool tooltips) {
  if (IsCodeDialog(request.kind)) return std::make_unique<PostalCodeDialog>(request, tooltips);
  return std::make_unique<PostalAddressDialog>(request, tooltips);
}

PostalResultDialog::PostalResultDialog(const PostalDialogRequest& request, bool tooltips)
    : TemplateDialog(nullptr, PostalResultTemplate(PostalResultTemplateNumber(request.kind))), request_(request) {
  CreateSelectionEdits();
  if (Has(kIdCodeText)) codeExchange_.BindText(kIdCodeText, &codeText_, kPostalTextLimit, "郵便番号");
  exchange_.BindText(kIdOfferedAddress, &addressText_, kPostalTextLimit, kAddressField);
  if (Has(kIdOfferedBusiness)) exchange_.BindText(kIdOfferedBusiness, &businessName_, 0, "会社・機関等");
  codeExchange_.Attach(this);
  exchange_.Attach(this);
  FillList();
  SetChecked(kIdOmitPrefecture, request_.options.kenmeiNashi);
  ComposeAddress();
  tooltips_.Add(this, PostalResultTooltips(CodeKind(), Business()));
  tooltips_.Activate(tooltips);

  Bind(wxEVT_LISTBOX, [this](wxCommandEvent& event) {
    if (event.GetSelection() < 0 || static_cast<size_t>(event.GetSelection()) >= request_.rows.size()) return;
    selected_ = event.GetSelection();
    OnRowSelected();
  }, kIdPostalRows);
  Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnOmitPrefecture(); }, kIdOmitPrefecture);
}

void PostalResultDialog::CreateSelectionEdits() {
  const std::vector<ControlTemplate>& controls = Template().controls;
  for (size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].kind != ControlKind::Custom) continue;
    auto* edit = new SelectionEdit(this, controls[i].id, ControlRect(controls[i].id), wxTE_READONLY);
    edit->Hide();
    // In the template's order for the Tab key, as if the template had created it.
    if (i > 0) edit->MoveAfterInTabOrder(FindWindow(controls[i - 1].id));
  }
}

void PostalResultDialog::FillList() {
  if (!Has(kIdPostalRows)) return;
  auto& list = Control<wxListBox>(kIdPostalRows);
  for (const PostalRow& row : request_.rows) list.Append(FromCp932(ComposeListLine(request_.kind, row)));
  list.SetSelection(0);
}

bool PostalResultDialog::Checked(int id) const { return Has(id) && Control<wxCheckBox>(id).GetValue(); }

void PostalResultDialog::SetChecked(int id, bool on) {
  if (Has(id)) Control<wxCheckBox>(id).SetValue(on);
}

void PostalResultDialog::ComposeAddress() {
  addressText_ = ComposeAddressText(Row(), Checked(kIdOmitPrefecture));
  exchange_.PushOne(kIdOfferedAddress);
  if (Has(kIdOfferedBusiness)) {
    businessName_ = Row().businessName;
    exchange_.PushOne(kIdOfferedBusiness);
  }
}

void PostalResultDialog::TogglePrefecture() {
  if (!exchange_.PullOne(kIdOfferedAddress)) return;
  addressText_ = WithPrefecture(addressText_, Row().prefecture, Checked(kIdOmitPrefecture));
  exchange_.PushOne(kIdOfferedAddress);
}

void PostalResultDialog::ShowTypedTexts() {
  if (Has(kIdTypedAddress)) Control<wxTextCtrl>(kIdTypedAddress).ChangeValue(FromCp932(request_.typedAddress));
  if (Has(kIdTypedCompany)) Control<wxTextCtrl>(kIdTypedCompany).ChangeValue(FromCp932(request_.typedCompany));
}

void PostalResultDialog::OnOk() {
  if (!codeExchange_.Pull()) return;
  // An address that is not written back is not checked: its edit may be disabled.
  if (WritesAddress()) {
    if (!exchange_.Pull()) return;
    // The composed address is held to the limit too, not only what the user typed.
    if (addressText_.size() > static_cast<size_t>(kPostalTextLimit)) {
      ShowMessageBoxText(ByteLimitMessage(U8(kAddressField), kPostalTextLimit));
      FindWindow(kIdOfferedAddress)->SetFocus();
      return;
    }
    if (Business() && businessName_.size() > static_cast<size_t>(kPostalTextLimit)) {
      ShowMessageBox("100 文字以内で入力してください。"_sjis);
      return;
    }
  }
  answer_.ok = true;
  answer_.codeText = codeText_;
  answer_.addressText = addressText_;
  answer_.businessName = businessName_;
  answer_.rewriteAddress = Checked(kIdRewriteAddress);
  answer_.options = request_.options;
  answer_.options.kenmeiNashi = Checked(kIdOmitPrefecture);
  if (CodeKind()) {
    answer_.options.bangoHyphen = Checked(kIdHyphen);
    answer_.options.bangoZenkaku = Checked(kIdFullWidth);
  }
  TemplateDialog::OnOk();
}

}  // namespace mirelon
