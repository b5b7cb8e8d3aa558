#include "gui/list/display_format_dialog.h"

#include <algorithm>

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/spinbutt.h>  // wxSpinEvent
#include <wx/textctrl.h>

#include "gui/kit/up_down_control.h"
#include "gui/kit/wx_text.h"
#include "list/list_item_kind.h"
#include "res/display_format_resources.h"

namespace mirelon {
namespace {

using namespace res;

// A stored value outside a list (possible from the registry or a format file) selects nothing.
void SelectIndex(wxChoice& choice, int index) {
  choice.SetSelection(index >= 0 && index < static_cast<int>(choice.GetCount()) ? index : wxNOT_FOUND);
}

}  // namespace

DisplayFormatDialog::DisplayFormatDialog(wxWindow* parent, DisplayFormat& format, const AddressBook& book,
                                         bool tooltips)
    : TemplateDialog(parent, DisplayFormatTemplate()), format_(format) {
  std::copy(format.itemKind.begin(), format.itemKind.end(), itemKind_.begin());
  std::copy(format.itemWidth.begin(), format.itemWidth.end(), itemWidth_.begin());
  for (int line = 0; line < kListLineCount; ++line) lineShown_[line] = format.lineShown[line] != 0;
  filter_ = format.filter;
  numbering_ = format.numbering;
  leftSpace_ = format.leftSpace;
  columnIndex_ = format.columnLayout - 1;

  FillLists(book);
  BindNumbers();
  exchange_.Attach(this);
  exchange_.Push();
  PushChoices();
  UpdateColumnList();
  tooltips_.Add(this, DisplayFormatTooltips());
  tooltips_.Activate(tooltips);

  for (int line = 0; line < kListLineCount; ++line) {
    Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
      PullChoices();
      UpdateColumnList();
    }, kIdLineShown1 + line);
  }
}

void DisplayFormatDialog::FillLists(const AddressBook& book) {
  wxArrayString labels;
  for (const std::string& label : ListItemLabels(book)) labels.Add(FromCp932(label));
  for (int slot = 0; slot < kListSlotCount; ++slot) Control<wxChoice>(ItemKindId(slot)).Set(labels);
}

void DisplayFormatDialog::BindNumbers() {
  for (int slot = 0; slot < kListSlotCount; ++slot) {
    exchange_.BindNumber(ItemWidthId(slot), &itemWidth_[slot], 0, kMaxItemWidth);
    PairSpin(ItemWidthId(slot), ItemSpinId(slot), kMaxItemWidth);
  }
  exchange_.BindNumber(kIdLeftSpace, &leftSpace_, 0, kMaxLeftSpace);
  PairSpin(kIdLeftSpace, kIdLeftSpaceSpin, kMaxLeftSpace);
}

void DisplayFormatDialog::PairSpin(int editId, int spinId, int max) {
  auto& spin = Control<UpDownControl>(spinId);
  spin.SetRange(0, max);
  Bind(wxEVT_SPIN, [this, editId](wxSpinEvent& event) {
    Control<wxTextCtrl>(editId).ChangeValue(wxString::Format("%d", event.GetPosition()));
  }, spinId);
  Bind(wxEVT_TEXT, [this, editId, spinId, max](wxCommandEvent&) {
    long typed = 0;
    if (Control<wxTextCtrl>(editId).GetValue().ToLong(&typed)) {
      Control<UpDownControl>(spinId).SetValue(static_cast<int>(std::clamp<long>(typed, 0, max)));
    }
  }, editId);
}

void DisplayFormatDialog::PushChoices() {
  for (int slot = 0; slot < kListSlotCount; ++slot) SelectIndex(Control<wxChoice>(ItemKindId(slot)), itemKind_[slot]);
  for (int line = 0; line < kListLineCount; ++line) {
    Control<wxCheckBox>(kIdLineShown1 + line).SetValue(lineShown_[line]);
  }
  SelectIndex(Control<wxChoice>(kIdFilter), filter_);
  SelectIndex(Control<wxChoice>(kIdNumbering), numbering_);
  SelectIndex(Control<wxChoice>(kIdColumns), columnIndex_);
  // The up-down controls start from the numbers shown.
  for (int slot = 0; slot < kListSlotCount; ++slot) {
    Control<UpDownControl>(ItemSpinId(slot)).SetValue(std::clamp(itemWidth_[slot], 0, kMaxItemWidth));
  }
  Control<UpDownControl>(kIdLeftSpaceSpin).SetValue(std::clamp(leftSpace_, 0, kMaxLeftSpace));
}

void DisplayFormatDialog::PullChoices() {
  // A list showing nothing keeps the value it was given.
  const auto read = [this](int id, int& member) {
    const int selection = Control<wxChoice>(id).GetSelection();
    if (selection != wxNOT_FOUND) member = selection;
  };
  for (int slot = 0; slot < kListSlotCount; ++slot) read(ItemKindId(slot), itemKind_[slot]);
  for (int line = 0; line < kListLineCount; ++line) {
    lineShown_[line] = Control<wxCheckBox>(kIdLineShown1 + line).GetValue();
  }
  read(kIdFilter, filter_);
  read(kIdNumbering, numbering_);
  read(kIdColumns, columnIndex_);
}

void DisplayFormatDialog::UpdateColumnList() {
  Control<wxChoice>(kIdColumns).Enable(lineShown_[0] && !lineShown_[1] && !lineShown_[2]);
}

void DisplayFormatDialog::OnOk() {
  if (!exchange_.Pull()) return;
  PullChoices();
  format_.filter = static_cast<int16_t>(filter_);
  format_.numbering = static_cast<int16_t>(numbering_);
  format_.leftSpace = static_cast<int16_t>(leftSpace_);
  format_.columnLayout = static_cast<int16_t>(columnIndex_ + 1);
  for (int line = 0; line < kListLineCount; ++line) format_.lineShown[line] = lineShown_[line] ? 1 : 0;
  for (int slot = 0; slot < kListSlotCount; ++slot) {
    format_.itemKind[slot] = static_cast<int16_t>(itemKind_[slot]);
    format_.itemWidth[slot] = static_cast<int16_t>(itemWidth_[slot]);
  }
  TemplateDialog::OnOk();
}

}  // namespace mirelon
