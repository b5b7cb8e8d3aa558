// The face a dialog template names, as the system the program runs on has it.
#pragma once

#include <string_view>

#include <wx/string.h>

namespace mirelon {

// The templates name the IPA faces that stand in on Linux for the Windows fonts the dialogs were
// laid out with; on Windows those fonts themselves are taken. Any other face stays as it is.
wxString DialogFaceName(std::string_view templateFace);

}  // namespace mirelon
