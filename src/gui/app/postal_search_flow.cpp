#include "gui/app/postal_search_flow.h"

#include <filesystem>

#include "appcore/program_settings.h"
#include "gui/kit/message_box.h"
#include "gui/postal/postal_result_windows.h"
#include "postal/postal_lookup.h"

namespace mirelon {

std::optional<FoundFields> RunPostalSearch(const PageMembers& page, const SiblingProgramData& sibling,
                                           ProgramSettings& settings) {
  MessageBoxPrompt prompt;
  PostalResultWindows dialogs(settings.Switches().toolTipCtrl);
  const auto engine = MakePostalLookup(sibling.postalDataUnicode, prompt, &dialogs, settings.Switches().postal);
  engine->Lookup(page.postalCode, page.address1 + page.address2, page.company1 + page.company2,
                 sibling.postalDataPath);
  if (engine->addressResult().empty() && engine->codeResult().empty()) return std::nullopt;
  settings.SetPostalOptions(engine->options());
  return FoundFields{engine->codeResult(), engine->addressResult(), engine->companyResult()};
}

}  // namespace mirelon
