// A real editor over an in-memory book and in-memory settings, for the GUI tests.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "appcore/app_state.h"
#include "appcore/program_settings.h"
#include "gui/support/fake_editor_services.h"
#include "gui/editor/address_editor_dialog.h"
#include "gui/kit/message_box.h"
#include "gui/kit/template_dialog.h"
#include "gui/support/gui_test_support.h"

namespace mirelon::test {

class EditorTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Builds the editor's window from `templateNumber` over the book as it is now.
  void Open(int templateNumber = res::kEditorFullTemplate);
  // Adds a record with a registration name and a name (UTF-8); returns its page.
  int AddRecord(std::string_view registrationName, std::string_view name = "");
  // Types `digits` into the page field and leaves it, as the user confirms a page.
  void TypePage(std::string_view digits);
  std::string NameOnPage(int page) const;  // UTF-8 registration name of a page
  bool Enabled(int id) const;

  MemorySettingsStore settings_;
  MessageBoxPrompt prompt_;
  AppState state_{settings_};
  FakeEditorServices services_;
  AddressBook& book_ = state_.book;
  std::unique_ptr<AddressEditorDialog> editor_;
  TemplateDialog* window_ = nullptr;
};

}  // namespace mirelon::test
