// "表示書式設定": the display format edited in a modal dialog. The members are copied from the
// format when the dialog is made and written back only on OK; the caller rebuilds the list then.
#pragma once

#include <array>

#include "gui/kit/data_exchange.h"
#include "gui/kit/template_dialog.h"
#include "gui/kit/tooltip_set.h"
#include "list/display_format.h"

namespace mirelon {

class AddressBook;

class DisplayFormatDialog final : public TemplateDialog {
 public:
  // The item lists show the book's memo titles as they are now.
  DisplayFormatDialog(wxWindow* parent, DisplayFormat& format, const AddressBook& book, bool tooltips);

 protected:
  void OnOk() override;

 private:
  void FillLists(const AddressBook& book);
  void BindNumbers();
  void PushChoices();
  void PullChoices();
  // The column list is open only while line 1 alone is shown; it keeps its choice while closed.
  void UpdateColumnList();
  // An up-down control moves the number in its edit; a typed number moves the up-down control.
  void PairSpin(int editId, int spinId, int max);

  DisplayFormat& format_;
  std::array<int, kListSlotCount> itemKind_{};
  std::array<int, kListSlotCount> itemWidth_{};
  std::array<bool, kListLineCount> lineShown_{};
  int filter_ = 0;
  int numbering_ = 0;
  int leftSpace_ = 0;
  int columnIndex_ = 0;
  DataExchange exchange_;
  TooltipSet tooltips_;
};

}  // namespace mirelon
