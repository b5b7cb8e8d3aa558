#include "gui/dialogs/index_dialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/utils.h>

#include "book/address_book.h"
#include "gui/kit/message_box.h"
#include "gui/kit/wx_text.h"
#include "postal/postal_lookup.h"
#include "res/index_resources.h"

namespace mirelon {

using namespace res;

IndexDialog::IndexDialog(wxWindow* parent, AddressBook& book, const std::filesystem::path& postalDataPath, bool unicode,
                         bool tooltips)
    : TemplateDialog(parent, IndexTemplate()), book_(book), postalDataPath_(postalDataPath), unicode_(unicode) {
  // No valid check result: the restricted list would mean nothing.
  if (!book_.postalCheckDone) book_.mismatchOnly = false;
  Control<wxCheckBox>(kIdMismatchOnly).SetValue(book_.mismatchOnly);
  FillList();
  Control<wxButton>(kIdCheckAddresses).Enable(!postalDataPath_.empty());
  Control<wxCheckBox>(kIdMismatchOnly).Enable(book_.postalCheckDone);
  tooltips_.Add(this, IndexTooltips());
  tooltips_.Activate(tooltips);

  // Only the user's click or key chooses. GTK selects the first line by itself when the list gets
  // the focus without a selection (also at the start of a click elsewhere in it): a change of the
  // selection alone chooses nothing.
  auto& list = Control<wxListBox>(kIdIndexList);
  list.Bind(wxEVT_LEFT_DOWN, [this, &list](wxMouseEvent& event) {
    event.Skip();
    const int line = list.HitTest(event.GetPosition());
    if (line != wxNOT_FOUND) CallAfter([this, line] { OnLineSelected(line); });
  });
  list.Bind(wxEVT_KEY_DOWN, [this, &list](wxKeyEvent& event) {
    event.Skip();
    const int before = list.GetSelection();
    // The key has moved the selection once GTK has handled it.
    CallAfter([this, &list, before] {
      if (list.GetSelection() != before) OnLineSelected(list.GetSelection());
    });
  });
  Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { FillList(); }, kIdMismatchOnly);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCheckAddresses(); }, kIdCheckAddresses);
}

bool IndexDialog::Restricted() const {
  return Control<wxCheckBox>(kIdMismatchOnly).GetValue() && book_.postalCheckDone;
}

void IndexDialog::FillList() {
  list_ = BuildIndexList(book_, Restricted());
  auto& list = Control<wxListBox>(kIdIndexList);
  wxArrayString lines;
  for (const std::string& line : list_.lines) lines.Add(FromCp932(line));
  list.Set(lines);
  if (list_.currentLine < 0) return;
  list.SetSelection(list_.currentLine);
  list.EnsureVisible(list_.currentLine);
}

void IndexDialog::OnLineSelected(int line) {
  if (line < 0) return;
  const std::optional<int> record = list_.RecordAt(line);
  // The no-data line chooses nothing in the restricted list, and the first page of an empty book.
  if (!record && Restricted()) return;
  book_.currentPage = record.value_or(line) + 1;
  StoreBoxState();
  Finish(wxID_OK);
}

void IndexDialog::OnCheckAddresses() {
  {
    wxBusyCursor busy;
    MessageBoxPrompt prompt;
    const auto engine = MakePostalLookup(unicode_, prompt, nullptr);
    engine->CheckBookAddresses(book_, postalDataPath_);
    engine->CheckBookBusinesses(book_, postalDataPath_);
  }
  // A check that could not read the data (its message is out) leaves nothing to restrict to.
  auto& box = Control<wxCheckBox>(kIdMismatchOnly);
  box.SetValue(book_.postalCheckDone);
  box.Enable(book_.postalCheckDone);
  FillList();
}

void IndexDialog::StoreBoxState() { book_.mismatchOnly = Control<wxCheckBox>(kIdMismatchOnly).GetValue(); }

void IndexDialog::OnCancel() {
  StoreBoxState();
  Finish(wxID_CANCEL);
}

}  // namespace mirelon
