// The eight postal result windows, one class per kind over the template of the request's kind:
// PostalCodeDialog offers a postal code (and, on request, the address and business name) for a
// typed address or company (templates 141, 142, 143, 145); PostalAddressDialog offers the address
// (and business name) of a typed code and copies parts of the typed text into it (139, 140, 144,
// 146). The variants with a list (several rows) and with business lines differ only in the
// controls their templates have. The texts come from the core's composition; a dialog hands back
// what it shows at OK, with the options the user left, and never writes a setting itself.
// The eight windows by their names: CodeResultDialog 141, CodeChoiceDialog 142,
// BusinessCodeResultDialog 143, BusinessCodeChoiceDialog 145 (PostalCodeDialog), and
// AddressResultDialog 139, AddressChoiceDialog 140, BusinessAddressResultDialog 144,
// BusinessAddressChoiceDialog 146 (PostalAddressDialog).
//   postal_result_dialog.cpp  what both kinds share: rows, list, composition, OK
//   postal_code_dialog.cpp    the code kind
//   postal_address_dialog.cpp the address kind and the partial copy
#pragma once

#include <memory>
#include <string>

#include "gui/kit/data_exchange.h"
#include "gui/kit/template_dialog.h"
#include "gui/kit/tooltip_set.h"
#include "postal/postal_result.h"

namespace mirelon {

class PostalResultDialog : public TemplateDialog {
 public:
  // The rows are shown from the start; the dialog has no parent. `tooltips`: the toolTipCtrl switch.
  PostalResultDialog(const PostalDialogRequest& request, bool tooltips);

  // The texts and check boxes as they were at OK (ok false before).
  const PostalDialogAnswer& Answer() const { return answer_; }
  int SelectedRow() const { return selected_; }

 protected:
  bool CodeKind() const { return IsCodeDialog(request_.kind); }
  bool Business() const { return IsBusinessDialog(request_.kind); }
  bool Has(int id) const { return FindWindow(id) != nullptr; }
  bool Checked(int id) const;
  void SetChecked(int id, bool on);
  const PostalDialogRequest& Request() const { return request_; }
  const PostalRow& Row() const { return request_.rows.at(static_cast<size_t>(selected_)); }

  // Address (without the prefecture when so checked) and business name of the selected row.
  void ComposeAddress();
  // "都道府県名を省く" clicked: the prefecture comes off the offered address or back in front of it;
  // what the user typed or copied into the texts stays.
  void TogglePrefecture();
  // Shows the typed address and company in their read-only edits.
  void ShowTypedTexts();
  // A row chosen in the list, and a click of "都道府県名を省く".
  virtual void OnRowSelected() = 0;
  virtual void OnOmitPrefecture() = 0;
  // Whether OK hands back the address (and business name), which are then checked first.
  virtual bool WritesAddress() const { return true; }

  std::string codeText_;
  std::string addressText_;
  std::string businessName_;
  DataExchange codeExchange_;  // the code (code kind)
  DataExchange exchange_;      // the offered address and business name
  TooltipSet tooltips_;

 private:
  void OnOk() override;
  void FillList();
  // The template's Custom controls: the read-only edits of the address kind.
  void CreateSelectionEdits();

  PostalDialogRequest request_;
  int selected_ = 0;
  PostalDialogAnswer answer_;
};

class PostalCodeDialog final : public PostalResultDialog {
 public:
  PostalCodeDialog(const PostalDialogRequest& request, bool tooltips);

 private:
  void ComposeCode();
  void EnableAddressControls();
  void OnRowSelected() override;
  void OnOmitPrefecture() override { TogglePrefecture(); }
  bool WritesAddress() const override;
};

class PostalAddressDialog final : public PostalResultDialog {
 public:
  PostalAddressDialog(const PostalDialogRequest& request, bool tooltips);

 private:
  void Recompose();
  void CaretsToEnd();
  void OnPartialCopy();
  void OnRowSelected() override { Recompose(); }
  void OnOmitPrefecture() override;
};

// The template of a dialog kind (139 to 146).
int PostalResultTemplateNumber(PostalDialogKind kind);

// The dialog of the request's kind.
std::unique_ptr<PostalResultDialog> MakePostalResultDialog(const PostalDialogRequest& request, bool tooltips);

}  // namespace mirelon
