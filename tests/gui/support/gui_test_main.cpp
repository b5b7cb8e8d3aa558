// Main of the GUI test programs: a wx application without a main window, an active event loop
// for Yield, wx log messages on stderr, failed wx asserts as test failures, and any modal dialog
// that no test expects answered with Cancel (a dialog waiting for a user hangs under Xvfb).
#include <cstdio>

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/log.h>
#include <wx/modalhook.h>
#include <wx/translation.h>
#include <wx/uilocale.h>

#include "gui/kit/message_box.h"
#include "gui/kit/toolkit_style.h"
#include "gui/support/gui_test_support.h"

namespace {

class GuiTestApp final : public wxApp {
 public:
  bool OnInit() override { return true; }
};

void FailOnAssert(const wxString& file, int line, const wxString& func, const wxString& cond, const wxString& msg) {
  ADD_FAILURE_AT(file.utf8_str(), line) << "wx assert in " << func.utf8_str() << ": " << cond.utf8_str() << " "
                                        << msg.utf8_str();
}

// Registered first, so every wxTEST_DIALOG hook is asked before it.
class UnexpectedDialogHook final : public wxModalDialogHook {
 protected:
  int Enter(wxDialog* dialog) override {
    if (mirelon::test::AllowModalDialogs::Allowed()) return wxID_NONE;
    const auto* box = dynamic_cast<mirelon::MessageBoxDialog*>(dialog);
    ADD_FAILURE() << "unexpected modal dialog \"" << dialog->GetTitle().utf8_str() << "\" "
                  << (box != nullptr ? box->Message().utf8_str() : wxScopedCharBuffer());
    return wxID_CANCEL;
  }
  void Exit(wxDialog*) override {}
};

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  ::testing::InitGoogleTest(&argc, argv);
  wxApp::SetInstance(new GuiTestApp);
  if (!wxEntryStart(argc, argv) || !wxTheApp->CallOnInit()) {
    std::fprintf(stderr, "The GUI tests need a display: run them under xvfb-run.\n");
    return 1;
  }
  // As the program does: GTK's own dialogs and wx's preview texts in the user's language.
  wxUILocale::UseDefault();
  wxTranslations::Set(new wxTranslations);
  wxTranslations::Get()->AddStdCatalog();
  mirelon::ApplyToolkitStyle();
  delete wxLog::SetActiveTarget(new wxLogStderr);
  wxSetAssertHandler(FailOnAssert);
  UnexpectedDialogHook unexpected;
  unexpected.Register();
  {
    wxEventLoop loop;
    wxEventLoopActivator active(&loop);
    const int result = RUN_ALL_TESTS();
    unexpected.Unregister();
    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
  }
}
