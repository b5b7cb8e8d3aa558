#include "gui/dialogs/column_map_dialog.h"

#include <algorithm>

#include <wx/choice.h>
#include <wx/listctrl.h>

#include "gui/kit/wx_text.h"
#include "res/contacts_resources.h"

namespace mirelon {

using namespace res;

namespace {

constexpr size_t kPreviewRows = 5;
constexpr int kColumnWidth = 150;

std::string TargetText(const ColumnTarget& target) {
  switch (target.kind) {
    case ColumnTarget::Kind::SendMark: return "送信履歴 " + std::to_string(target.year) + "年";
    case ColumnTarget::Kind::ReceiveMark: return "受信履歴 " + std::to_string(target.year) + "年";
    case ColumnTarget::Kind::Field: break;
  }
  return std::string(FieldLabel(target.field));
}

}  // namespace

wxString ColumnHeading(const std::string& name, const ColumnTarget& target) {
  return wxString::FromUTF8(name) + U8(" → ") + U8(TargetText(target));
}

ColumnMapDialog::ColumnMapDialog(wxWindow* parent, const ContactTable& table, ColumnMapping mapping,
                                 bool tooltips)
    : TemplateDialog(parent, ColumnMapTemplate()), table_(table), mapping_(std::move(mapping)) {
  mapping_.resize(table_.header.size());
  const wxRect rect = ControlRect(kIdColumnPreview);
  preview_ = new wxListCtrl(this, kIdColumnPreview, rect.GetPosition(), rect.GetSize(), wxLC_REPORT | wxLC_HRULES);
  auto& columns = Control<wxChoice>(kIdColumnChoice);
  for (size_t i = 0; i < table_.header.size(); ++i) {
    preview_->AppendColumn(ColumnHeading(table_.header[i], mapping_[i]), wxLIST_FORMAT_LEFT, kColumnWidth);
    columns.Append(wxString::FromUTF8(table_.header[i]));
  }
  for (size_t row = 0; row < std::min(kPreviewRows, table_.rows.size()); ++row) {
    const std::vector<std::string>& cells = table_.rows[row];
    const long item = preview_->InsertItem(static_cast<long>(row), cells.empty() ? wxString() : wxString::FromUTF8(cells[0]));
    for (size_t i = 1; i < cells.size() && i < table_.header.size(); ++i) {
      preview_->SetItem(item, static_cast<int>(i), wxString::FromUTF8(cells[i]));
    }
  }
  auto& fields = Control<wxChoice>(kIdColumnField);
  for (const ContactField field : MappableFields()) fields.Append(U8(FieldLabel(field)));

  Bind(wxEVT_CHOICE, [this](wxCommandEvent& event) { ShowColumn(event.GetSelection()); }, kIdColumnChoice);
  Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { OnFieldChosen(); }, kIdColumnField);
  preview_->Bind(wxEVT_LIST_COL_CLICK, [this](wxListEvent& event) {
    Control<wxChoice>(kIdColumnChoice).SetSelection(event.GetColumn());
    ShowColumn(event.GetColumn());
  });
  if (!table_.header.empty()) {
    columns.SetSelection(0);
    ShowColumn(0);
  }
  tooltips_.Add(this, ColumnMapTooltips());
  tooltips_.Activate(tooltips);
}

void ColumnMapDialog::ShowColumn(int column) {
  if (column < 0 || column >= static_cast<int>(mapping_.size())) return;
  const ColumnTarget& target = mapping_[static_cast<size_t>(column)];
  const std::vector<ContactField>& fields = MappableFields();
  const auto found = std::find(fields.begin(), fields.end(), target.field);
  const bool plain = target.kind == ColumnTarget::Kind::Field && found != fields.end();
  Control<wxChoice>(kIdColumnField).SetSelection(plain ? static_cast<int>(found - fields.begin()) : wxNOT_FOUND);
  wxListItem heading;
  heading.SetMask(wxLIST_MASK_TEXT);
  heading.SetText(ColumnHeading(table_.header[static_cast<size_t>(column)], target));
  preview_->SetColumn(column, heading);
}

void ColumnMapDialog::OnFieldChosen() {
  const int column = Control<wxChoice>(kIdColumnChoice).GetSelection();
  const int field = Control<wxChoice>(kIdColumnField).GetSelection();
  if (column < 0 || column >= static_cast<int>(mapping_.size()) || field < 0) return;
  mapping_[static_cast<size_t>(column)] = {ColumnTarget::Kind::Field, MappableFields()[static_cast<size_t>(field)], 0};
  ShowColumn(column);
}

}  // namespace mirelon
