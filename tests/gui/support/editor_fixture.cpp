#include "gui/support/editor_fixture.h"

#include "text/cp932.h"

namespace mirelon::test {

void EditorTest::SetUp() {
  book_.SetPrompt(&prompt_);
  book_.year = 2014;
}

void EditorTest::TearDown() {
  editor_.reset();
  Pump();
}

void EditorTest::Open(int templateNumber) {
  state_.editorTemplate = templateNumber;
  editor_ = std::make_unique<AddressEditorDialog>(state_, services_);
  editor_->CreateEditorWindow();
  window_ = editor_->Window();
  window_->Move(0, 0);
  Pump();
}

int EditorTest::AddRecord(std::string_view registrationName, std::string_view name) {
  AddressRecord record;
  record.registrationName = Sjis(registrationName);
  record.name = Sjis(name);
  return book_.AddRecord(record) + 1;
}

void EditorTest::TypePage(std::string_view digits) {
  Type(window_, res::kIdPageNumber, digits);
  wxFocusEvent leave(wxEVT_KILL_FOCUS, res::kIdPageNumber);
  wxWindow* field = window_->FindWindow(res::kIdPageNumber);
  leave.SetEventObject(field);
  field->ProcessWindowEvent(leave);
  Pump();
}

std::string EditorTest::NameOnPage(int page) const { return Cp932ToUtf8(book_.record(page - 1).registrationName); }

bool EditorTest::Enabled(int id) const { return window_->FindWindow(id)->IsEnabled(); }

}  // namespace mirelon::test
