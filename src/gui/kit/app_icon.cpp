#include "gui/kit/app_icon.h"

#include <wx/bitmap.h>
#include <wx/icon.h>
#include <wx/image.h>

#include "gui/kit/app_icon_data.h"

namespace mirelon {

const wxIconBundle& AppIcons() {
  static const wxIconBundle icons = [] {
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) wxImage::AddHandler(new wxPNGHandler);
    wxIconBundle bundle;
    for (const EmbeddedImage& image : AppIconImages()) {
      wxIcon icon;
      icon.CopyFromBitmap(wxBitmap::NewFromPNGData(image.data, image.size));
      bundle.AddIcon(icon);
    }
    return bundle;
  }();
  return icons;
}

}  // namespace mirelon
