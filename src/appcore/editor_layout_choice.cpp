#include "appcore/editor_layout_choice.h"

#include "res/editor_resources.h"

namespace mirelon {

int ChooseEditorTemplate(std::string_view firstArgument, int screenWidth) {
  if (firstArgument == "/s" || firstArgument == "-s" || screenWidth <= kCompactScreenWidth) {
    return res::kEditorCompactTemplate;
  }
  return res::kEditorFullTemplate;
}

}  // namespace mirelon
