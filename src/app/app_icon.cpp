#include "app/app_icon.h"

#include <wx/bitmap.h>
#include <wx/icon.h>

#include "app/app_icon_data.h"

namespace mirelon {

const wxIconBundle& AppIcons() {
  static const wxIconBundle icons = [] {
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
