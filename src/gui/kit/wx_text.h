// The GUI's text boundary: control text (wxString) ⇄ CP932 member bytes through the core codec,
// and UTF-8 source literals to wxString. Nothing else in the GUI converts text.
#pragma once

#include <string>
#include <string_view>

#include <wx/string.h>

#include "text/cp932.h"

namespace mirelon {

// A UTF-8 literal of the source as control text (the machine's C locale would drop it otherwise).
inline wxString U8(std::string_view utf8) { return wxString::FromUTF8(utf8.data(), utf8.size()); }

// CP932 bytes as control text; undecodable bytes show as U+FFFD.
wxString FromCp932(std::string_view sjis);

// Control text as CP932; on failure `unmappable` receives the first character CP932 cannot hold.
struct Cp932FromControl {
  std::string bytes;
  bool ok = true;
  wxString unmappable;
};
Cp932FromControl ToCp932(const wxString& text);

// Line breaks: members keep CR LF, controls show LF.
wxString ToControlLineBreaks(const wxString& text);
wxString ToMemberLineBreaks(const wxString& text);

}  // namespace mirelon
