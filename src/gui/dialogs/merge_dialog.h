// "宛名と履歴の結合": after a book was read, joins each history line that found no address data
// to an address record that has no history, and marks what is left over so that the user finds
// it in the editor. Every join changes the book at once; closing keeps the joins made so far.
#pragma once

#include <vector>

#include "gui/kit/template_dialog.h"
#include "gui/kit/tooltip_set.h"

namespace mirelon {

class AddressBook;

class HistoryMergeDialog final : public TemplateDialog {
 public:
  HistoryMergeDialog(wxWindow* parent, AddressBook& book, bool tooltips);

 protected:
  // "閉じる", Escape and the close box: what is still unjoined is named "★★★★★".
  void OnCancel() override;

 private:
  void FillLists();
  void OnJoin();

  AddressBook& book_;
  std::vector<int> historyOnly_;  // record index of each entry of list 1070
  std::vector<int> addressOnly_;  // record index of each entry of list 1071
  TooltipSet tooltips_;
};

}  // namespace mirelon
