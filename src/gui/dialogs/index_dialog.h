// "索引": one line per record (number, registration name, name); choosing a line makes that record
// the book's currentPage and closes with OK. "住所照合" checks every record's postal code against
// its address with the engine of the postal data file, after which the list can be restricted to
// the records the check marked. The box state lives in the book's mismatchOnly between openings.
#pragma once

#include <string>

#include "book/index_list.h"
#include "gui/kit/template_dialog.h"
#include "gui/kit/tooltip_set.h"

namespace mirelon {

class AddressBook;

class IndexDialog final : public TemplateDialog {
 public:
  // `postalDataPath` empty: no data file was found, and the check is unavailable; `unicode`
  // selects the engine of the UTF-16 file.
  IndexDialog(wxWindow* parent, AddressBook& book, const std::filesystem::path& postalDataPath, bool unicode,
              bool tooltips);

  const IndexList& Lines() const { return list_; }

 protected:
  void OnCancel() override;

 private:
  bool Restricted() const;
  void FillList();
  void OnLineSelected(int line);
  void OnCheckAddresses();
  void StoreBoxState();

  AddressBook& book_;
  std::filesystem::path postalDataPath_;
  bool unicode_;
  IndexList list_;
  TooltipSet tooltips_;
};

}  // namespace mirelon
