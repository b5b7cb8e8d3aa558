// "連絡先の取り込み": what the import of a contacts file would do to the book, before anything
// changes: the counts, one line per contact with its verdict, and every report in one selectable
// list that copies whole. For a table, "列の対応..." changes where its columns go (kept in the
// settings) and shows the new outcome. The caller imports when it ends with OK.
#pragma once

#include <filesystem>

#include "contacts/contact_files.h"
#include "contacts/contact_import.h"
#include "gui/kit/template_dialog.h"
#include "gui/kit/tooltip_set.h"

namespace mirelon {

class ProgramSettings;

class ContactImportDialog final : public TemplateDialog {
 public:
  ContactImportDialog(wxWindow* parent, const AddressBook& book, ContactSource& source, ProgramSettings& settings,
                      const std::filesystem::path& file);

  const ImportSummary& Preview() const { return preview_; }
  // The reports as the list shows them, one per line.
  wxString ReportText() const;

 private:
  void ShowPreview();
  void OnColumns();
  void OnCopy();

  const AddressBook& book_;
  ContactSource& source_;
  ProgramSettings& settings_;
  ImportSummary preview_;
  TooltipSet tooltips_;
};

// "列の対応" over `source`'s table; on OK its columns take the choice and the settings keep it.
bool ChooseColumns(wxWindow* parent, ContactSource& source, ProgramSettings& settings);

}  // namespace mirelon
