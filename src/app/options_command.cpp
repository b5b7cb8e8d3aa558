#include "app/options_command.h"

#include <string>

#include <wx/window.h>

#include "app/dialog_background.h"
#include "app/editor_operations.h"
#include "app/program_settings.h"
#include "book/address_book.h"
#include "dialogs/options_dialog.h"

namespace mirelon {

void RunOptionsCommand(EditorOperations& editor, AddressBook& book) {
  const int page = editor.CommitPage(editor.CurrentPage());
  if (page < 1) return;
  editor.SetCurrentPage(page);
  editor.PushMembers();

  const std::string colourBefore = ReadBackgroundSetting(ProgramSettings());
  const int yearBefore = book.year;
  OptionsDialog(editor.Window(), book).ShowModal();

  if (ReadBackgroundSetting(ProgramSettings()) != colourBefore) {
    ApplyDialogColour(ProgramSettings());
    editor.Window()->Refresh();
  }
  editor.ActivateTooltips(Switches().toolTipCtrl);
  editor.UpdateLabels();
  editor.UpdateLaunchButton();
  if (book.year != yearBefore) editor.ResplitHistories();
}

}  // namespace mirelon
