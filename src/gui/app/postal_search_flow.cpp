#include "gui/app/postal_search_flow.h"

#include <filesystem>

#include "appcore/program_settings.h"
#include "gui/editor/address_editor_dialog.h"
#include "gui/kit/message_box.h"
#include "gui/postal/postal_result_windows.h"
#include "postal/postal_lookup.h"

namespace mirelon {

void RunPostalSearch(AddressEditorDialog& editor, ProgramSettings& settings) {
  if (!editor.PullMembers()) return;
  const SiblingProgramData& sibling = editor.Sibling();
  PageMembers& page = editor.Members();
  MessageBoxPrompt prompt;
  PostalResultWindows dialogs(settings.Switches().toolTipCtrl);
  const auto engine = MakePostalLookup(sibling.postalDataUnicode, prompt, &dialogs, settings.Switches().postal);
  engine->Lookup(page.postalCode, page.address1 + page.address2, page.company1 + page.company2,
                 sibling.postalDataPath);
  if (engine->addressResult().empty() && engine->codeResult().empty()) return;
  // Address line 2 and company line 2 stay: the user corrects them after the rewrite.
  if (!engine->addressResult().empty()) page.address1 = engine->addressResult();
  if (!engine->codeResult().empty()) page.postalCode = engine->codeResult();
  if (!engine->companyResult().empty()) page.company1 = engine->companyResult();
  editor.PushMembers();
  editor.MarkModified();
  settings.SetPostalOptions(engine->options());
}

}  // namespace mirelon
