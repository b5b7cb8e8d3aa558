// The display format and the list view's word-wrap flag in section "List" of the user's settings.
#pragma once

#include "list/display_format.h"

namespace mirelon {

class SettingsStore;

// Reads the format (displayedCount back to 0) and the word-wrap flag. When every format value is
// absent or at its default, the built-in format is used instead, so a format with everything
// switched off comes back usable; the word-wrap flag takes no part in that test.
void LoadListSettings(const SettingsStore& store, DisplayFormat& format, bool& wordWrap);

// Writes every value, changed or not. Each slot is one value, kind × 1000 + width % 1000.
void StoreListSettings(SettingsStore& store, const DisplayFormat& format, bool wordWrap);

}  // namespace mirelon
