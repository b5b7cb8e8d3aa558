// The file flows' fixture: an editor with the program's read and write flows behind its buttons,
// over real files in a folder with a Japanese name, the choosers and questions answered as a user
// would; what they share.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <wx/combobox.h>
#include <wx/filedlg.h>

#include "appcore/program_settings.h"
#include "gui/app/application_services.h"
#include "gui/dialogs/merge_dialog.h"
#include "gui/kit/file_chooser.h"
#include "gui/support/book_test_files.h"
#include "gui/support/editor_fixture.h"
#include "gui/support/gui_test_support.h"
#include "platform/user_folders.h"
#include "platform/utf8_path.h"
#include "res/merge_resources.h"

namespace mirelon::test {

inline const std::filesystem::path kExamples = std::filesystem::path(MIRELON_TEST_DATA) / ".." / ".." / "examples";

// The chooser, checked for its title, filter and initial folder, answered with `path`.
inline ExpectDialog<wxFileDialog> Chooser(std::string_view title, const std::filesystem::path& folder,
                                          const std::filesystem::path& path) {
  return ExpectDialog<wxFileDialog>([=](wxFileDialog& dialog) {
    EXPECT_EQ(std::string(dialog.GetMessage().utf8_str()), title);
    EXPECT_EQ(std::string(dialog.GetWildcard().utf8_str()), "CSVﾌｧｲﾙ (*.csv)|*.csv");
    EXPECT_EQ(std::string(dialog.GetDirectory().utf8_str()), PathToUtf8(folder));
    dialog.SetPath(FromPath(path));
    return wxID_OK;
  });
}

// The save chooser offered again after a failure, declined.
inline ExpectDialog<wxFileDialog> ChooserDeclined() {
  return ExpectDialog<wxFileDialog>([](wxFileDialog& dialog) {
    EXPECT_EQ(std::string(dialog.GetMessage().utf8_str()), "書き込みCSVファイル選択");
    return wxID_CANCEL;
  });
}

// The merge window, closed without a join.
inline ExpectDialog<HistoryMergeDialog> MergeClosed() {
  return ExpectDialog<HistoryMergeDialog>([](HistoryMergeDialog& dialog) {
    Click(&dialog, res::kIdMergeClose);
    return wxID_CANCEL;
  });
}

inline std::string FileMessage(const std::filesystem::path& path, std::string_view reason) {
  return PathToUtf8(path) + "\n" + std::string(reason);
}

inline std::vector<std::string> ComboItems(wxWindow* window, int id) {
  std::vector<std::string> items;
  for (const wxString& item : ControlOf<wxComboBox>(window, id).GetStrings()) items.emplace_back(item.utf8_str());
  return items;
}

class FileFlowsTest : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    std::filesystem::create_directory(home_ / "Documents");
    services_.readFile = [this](wxWindow* parent) { return app_.ReadFile(parent); };
    services_.writeFile = [this](wxWindow* parent) { app_.WriteFile(parent); };
  }
  // A user with a documents folder and no recent file: the choosers start there (on Linux the
  // test's home has it).
  std::filesystem::path Documents() const { return UserDocumentsFolder(); }

  std::filesystem::path CopySample() {
    for (const char* name : {"sample.csv", "sample_nos.csv", "sample_nen.csv"}) {
      std::filesystem::copy_file(kExamples / name, folder_ / name);
    }
    return folder_ / "sample.csv";
  }
  std::string RecentFile() { return ReadMiscString(settings_, misc::kRecentFile); }
  // The open chooser in the folder of the last file used (else the documents), answered with `path`.
  ExpectDialog<wxFileDialog> OpenChooser(const std::filesystem::path& path) {
    const std::string recent = RecentFile();
    return Chooser("読み込みCSVファイル選択", recent.empty() ? Documents() : PathFromUtf8(recent).parent_path(), path);
  }
  ExpectDialog<wxFileDialog> SaveChooser(const std::filesystem::path& path) {
    const std::string recent = RecentFile();
    return Chooser("書き込みCSVファイル選択", recent.empty() ? Documents() : PathFromUtf8(recent).parent_path(), path);
  }
  // The editor's buttons, with the program's flows behind them.
  void Read() { test::Click(window_, res::kIdReadFile); }
  void Write() { test::Click(window_, res::kIdWriteFile); }
  // Sets the book's family to `name` in the test folder as if it had been read from there.
  void HoldFamily(std::string_view name) {
    book_.file.directory = folder_.path();
    book_.file.baseName = name;
    book_.file.extension = ".csv";
    book_.file.sendExists = true;
  }

  ApplicationServices app_{state_};
  // A folder a user names: Japanese, with a blank, and 表, whose second byte in CP932 is a
  // backslash.
  TempFolder folder_{"住所録 表-"};
  TempFolder home_;
  ScopedEnvironment homeVariable_{"HOME", PathToUtf8(home_.path()).c_str()};
  ScopedEnvironment configVariable_{"XDG_CONFIG_HOME", nullptr};
};

}  // namespace mirelon::test
