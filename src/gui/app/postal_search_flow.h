// "郵便番号検索" from the editor: the page's postal code, address and company looked up in the postal
// data file, the answer written back to the page, and the chosen rewrite options kept.
#pragma once

namespace mirelon {

class AddressEditorDialog;
class ProgramSettings;

// Button 1174. Nothing changes when the user cancels or nothing was found.
void RunPostalSearch(AddressEditorDialog& editor, ProgramSettings& settings);

}  // namespace mirelon
