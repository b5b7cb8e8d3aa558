#include "appcore/list_window_size.h"

#include "appcore/program_settings.h"

namespace mirelon {

ListWindowStart ReadListWindowStart(const SettingsStore& settings) {
  const int width = settings.GetInt(misc::kSection, misc::kWndWidth, 0);
  const int height = settings.GetInt(misc::kSection, misc::kWndHeight, 0);
  ListWindowStart start;
  start.maximised = width < 0 || height < 0;
  if (width > 0 && height > 0) {
    start.width = width;
    start.height = height;
  }
  return start;
}

void StoreListWindowSize(SettingsStore& settings, ListWindowState state, int width, int height) {
  switch (state) {
    case ListWindowState::Maximised:
      width = height = -1;
      break;
    case ListWindowState::Minimised:
      width = height = 0;
      break;
    case ListWindowState::Normal:
      break;
  }
  settings.SetInt(misc::kSection, misc::kWndWidth, width);
  settings.SetInt(misc::kSection, misc::kWndHeight, height);
}

}  // namespace mirelon
