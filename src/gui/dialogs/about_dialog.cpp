#include "gui/dialogs/about_dialog.h"

#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "appcore/app_identity.h"
#include "gui/kit/app_icon.h"
#include "gui/kit/template_dialog.h"
#include "gui/kit/wx_text.h"
#include "res/about_resources.h"

namespace mirelon {

void ShowAboutDialog(wxWindow* parent) {
  TemplateDialog dialog(parent, res::AboutTemplate());
  const wxRect iconRect = dialog.ControlRect(res::kIdAboutIcon);
  const wxIcon icon = AppIcons().GetIcon(iconRect.GetSize(), wxIconBundle::FALLBACK_NEAREST_LARGER);
  wxBitmap bitmap(icon);
  if (bitmap.GetSize() != iconRect.GetSize()) {
    bitmap = wxBitmap(bitmap.ConvertToImage().Scale(iconRect.width, iconRect.height, wxIMAGE_QUALITY_HIGH));
  }
  new wxStaticBitmap(&dialog, res::kIdAboutIcon, bitmap, iconRect.GetPosition(), iconRect.GetSize());
  dialog.Control<wxStaticText>(res::kIdAboutVersion).SetLabel(U8(std::string("Mirelon バージョン ") + kVersion));
  dialog.ShowModal();
}

}  // namespace mirelon
