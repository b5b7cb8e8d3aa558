// "郵便番号検索" from the editor: the page's postal code, address and company looked up in the postal
// data file, the texts found handed back for the page, and the chosen rewrite options kept.
#pragma once

#include <optional>

#include "gui/editor/editor_services.h"

namespace mirelon {

class ProgramSettings;

// Button 1174. Nothing is found, and nothing kept, when the user cancels or nothing was found.
std::optional<FoundFields> RunPostalSearch(const PageMembers& page, const SiblingProgramData& sibling,
                                           ProgramSettings& settings);

}  // namespace mirelon
