#include "gui/kit/dialog_font.h"

#include "gui/kit/wx_text.h"
#include "res/dialog_template.h"

namespace mirelon {

wxString DialogFaceName(std::string_view templateFace) {
#ifdef __WXMSW__
  if (templateFace == res::kProportionalFace) return U8("ＭＳ Ｐゴシック");
  if (templateFace == res::kFixedFace) return U8("ＭＳ ゴシック");
#endif
  return U8(templateFace);
}

}  // namespace mirelon
