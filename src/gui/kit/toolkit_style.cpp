#include "gui/kit/toolkit_style.h"

#include <wx/defs.h>

#ifdef __WXGTK3__
#include <gtk/gtk.h>
#endif

namespace mirelon {

void ApplyToolkitStyle() {
#ifdef __WXGTK3__
  // The drop-down's text sits in a button inside the combo box; only a rule for the screen
  // reaches it. Above the theme, below a user's own gtk.css.
  constexpr const char* kDropDownCss = "combobox button { padding-top: 0; padding-bottom: 0; min-height: 0; }";
  GtkCssProvider* provider = gtk_css_provider_new();
  gtk_css_provider_load_from_data(provider, kDropDownCss, -1, nullptr);
  gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(provider),
                                            GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
  g_object_unref(provider);
#endif
}

}  // namespace mirelon
