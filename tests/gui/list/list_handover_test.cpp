// The hand-over between the editor and the list window through the application's services: the
// frame becomes the main window, the editor comes back on its page when the frame closes, and the
// stored size (or, with none, three quarters of the screen) is the next opening size. (Xvfb runs
// no window manager, so a maximised frame cannot be observed here; the size rule itself is tested
// in the core.)
#include <wx/app.h>
#include <wx/display.h>
#include <wx/docview.h>

#include "appcore/app_state.h"
#include "appcore/program_settings.h"
#include "gui/app/application_services.h"
#include "gui/editor/address_editor_dialog.h"
#include "gui/kit/template_dialog.h"
#include "gui/list/main_frame.h"
#include "gui/list/mirelon_view.h"
#include "gui/support/gui_test_support.h"
#include "res/editor_resources.h"
#include "text/cp932.h"

namespace mirelon::test {
namespace {

using namespace res;

class ListHandoverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state_.book.SetPrompt(&prompt_);
    for (const char* name : {"あべ", "いとう", "うえだ"}) {
      AddressRecord record;
      record.registrationName = Sjis(name);
      record.name = Sjis(name);
      state_.book.AddRecord(record);
    }
    editor_ = std::make_unique<AddressEditorDialog>(state_, services_);
    editor_->CreateEditorWindow();
    Pump();
  }
  void TearDown() override {
    if (CMainFrame* frame = ListFrame()) {
      frame->View()->GetDocument()->Modify(false);
      frame->Close();
    }
    Pump();
    editor_.reset();
    Pump();
  }

  CMainFrame* ListFrame() { return dynamic_cast<CMainFrame*>(wxTheApp->GetTopWindow()); }
  CMainFrame* OpenList() {
    Click(editor_->Window(), kIdOpenList);
    Pump();
    return ListFrame();
  }

  MemorySettingsStore settings_;
  MessageBoxPrompt prompt_;
  AppState state_{settings_};
  ApplicationServices services_{state_};
  std::unique_ptr<AddressEditorDialog> editor_;
};

TEST_F(ListHandoverTest, TheFrameTakesOverAndTheEditorComesBackOnItsPageWithoutEndingTheProgram) {
  PressKey(editor_->Window(), WXK_PAGEDOWN);
  CMainFrame* frame = OpenList();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(editor_->Window(), nullptr);
  EXPECT_EQ(frame->GetSize(), wxDisplay(0u).GetClientArea().GetSize() * 3 / 4);  // nothing stored yet
  EXPECT_NE(frame->View()->Text().Find(U8("いとう")), wxNOT_FOUND);

  frame->SetSize(640, 480);
  Pump();
  frame->Close();
  Pump();
  ASSERT_NE(editor_->Window(), nullptr);
  EXPECT_EQ(wxTheApp->GetTopWindow(), editor_->Window());
  EXPECT_EQ(TextOf(editor_->Window(), kIdPageNumber), "2");
  EXPECT_EQ(settings_.GetInt(misc::kSection, misc::kWndWidth, 0), 640);
  EXPECT_EQ(settings_.GetInt(misc::kSection, misc::kWndHeight, 0), 480);

  // Opened again at the stored size.
  frame = OpenList();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->GetSize(), wxSize(640, 480));
}

}  // namespace
}  // namespace mirelon::test
