#include "gui/dialogs/contact_import_dialog.h"

#include <wx/button.h>
#include <wx/clipbrd.h>
#include <wx/listbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "appcore/program_settings.h"
#include "gui/dialogs/column_map_dialog.h"
#include "gui/kit/file_chooser.h"
#include "gui/kit/wx_text.h"
#include "res/contacts_resources.h"

namespace mirelon {

using namespace res;

bool ChooseColumns(wxWindow* parent, ContactSource& source, ProgramSettings& settings) {
  ColumnMapDialog dialog(parent, source.table, source.columns, settings.Switches().toolTipCtrl);
  if (dialog.ShowModal() != wxID_OK) return false;
  source.columns = dialog.Mapping();
  source.columnsKnown = true;
  StoreColumnMap(settings.Store(), ColumnMapText(source.table.header, source.columns));
  return true;
}

ContactImportDialog::ContactImportDialog(wxWindow* parent, const AddressBook& book, ContactSource& source,
                                         ProgramSettings& settings, const std::filesystem::path& file)
    : TemplateDialog(parent, ContactImportTemplate()), book_(book), source_(source), settings_(settings) {
  Control<wxStaticText>(kIdContactFileName).SetLabel(FromPath(file));
  Control<wxButton>(kIdContactColumns).Show(source_.kind == ContactFileKind::Table);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnColumns(); }, kIdContactColumns);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCopy(); }, kIdCopyContactReports);
  tooltips_.Add(this, ContactImportTooltips());
  tooltips_.Activate(settings.Switches().toolTipCtrl);
  ShowPreview();
}

void ContactImportDialog::ShowPreview() {
  preview_ = PreviewImport(book_, source_.Contacts());
  Control<wxStaticText>(kIdContactCounts).SetLabel(U8(SummaryLine(preview_)));
  wxArrayString lines;
  for (const ImportEntry& entry : preview_.entries) {
    lines.Add(U8(std::string(VerdictText(entry.verdict)) + "\t" + entry.label));
  }
  Control<wxListBox>(kIdContactEntries).Set(lines);
  Control<wxTextCtrl>(kIdContactReports).ChangeValue(ReportText());
  Control<wxButton>(kIdCopyContactReports).Enable(!preview_.reports.empty());
  Control<wxButton>(kIdContactImport).Enable(preview_.ChangesBook());
}

wxString ContactImportDialog::ReportText() const {
  wxString text;
  for (const ContactReport& report : preview_.reports) text += U8(report.text) + "\n";
  return text;
}

void ContactImportDialog::OnColumns() {
  if (ChooseColumns(this, source_, settings_)) ShowPreview();
}

void ContactImportDialog::OnCopy() {
  wxClipboardLocker clipboard;
  if (!clipboard) return;
  wxTheClipboard->SetData(new wxTextDataObject(ReportText()));
}

}  // namespace mirelon
