// The list window's size between runs (wndWidth / wndHeight in section Misc): −1 / −1 when it was
// closed maximised, 0 / 0 when minimised (or never stored), otherwise its outer size.
#pragma once

namespace mirelon {

class SettingsStore;

struct ListWindowStart {
  bool maximised = false;  // either stored value negative
  int width = 0;           // both positive: the size to open at; otherwise 0 (the default size)
  int height = 0;
};

enum class ListWindowState { Normal, Maximised, Minimised };

ListWindowStart ReadListWindowStart(const SettingsStore& settings);
void StoreListWindowSize(SettingsStore& settings, ListWindowState state, int width, int height);

}  // namespace mirelon
