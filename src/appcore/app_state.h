// What the application object holds for the whole run and the editor reaches: the settings, the
// one book, the editor template chosen at start-up and the editor font's text height. Tests build
// one of their own over an in-memory store.
#pragma once

#include "appcore/program_settings.h"
#include "book/address_book.h"
#include "res/editor_resources.h"

namespace mirelon {

struct AppState {
  explicit AppState(SettingsStore& store) : settings(store) {}

  ProgramSettings settings;
  AddressBook book;
  int editorTemplate = res::kEditorFullTemplate;
  // Pixel height of the editor's font; above 20 the history dialogs take their enlarged layout.
  int dialogTextHeight = 18;
};

}  // namespace mirelon
