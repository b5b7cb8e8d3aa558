// "列の対応": where each column of a table goes, chosen over the first rows of the table. The
// columns start as the names (or the map kept from the last time) placed them.
#pragma once

#include "contacts/contacts_table.h"
#include "gui/kit/template_dialog.h"
#include "gui/kit/tooltip_set.h"

class wxListCtrl;

namespace mirelon {

class ColumnMapDialog final : public TemplateDialog {
 public:
  ColumnMapDialog(wxWindow* parent, const ContactTable& table, ColumnMapping mapping, bool tooltips);

  const ColumnMapping& Mapping() const { return mapping_; }

 private:
  void ShowColumn(int column);  // its target in the field list and its heading
  void OnFieldChosen();

  const ContactTable& table_;
  ColumnMapping mapping_;
  wxListCtrl* preview_;
  TooltipSet tooltips_;
};

// A column's heading in the preview: "お名前 → 名前".
wxString ColumnHeading(const std::string& name, const ColumnTarget& target);

}  // namespace mirelon
