// The file flows where only Linux has the means: a file no one can open, a folder that takes no
// files, a full disk, and the settings file of a fresh account.
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <optional>

#include "gui/editor/file_flows_fixture.h"
#include "gui/kit/wx_settings_store.h"

namespace mirelon {
namespace {

using namespace literals;
using test::ChooserDeclined;
using test::Cp932Lines;
using test::ExpectDialog;
using test::ExpectMessage;
using test::FileFlowsTest;
using test::FileMessage;
using test::LabelOf;
using test::MergeClosed;
using test::ReadBytes;
using test::ScopedEnvironment;
using test::Type;
using test::WriteBytes;

// A file that cannot be opened: a socket, which even the superuser cannot open as a file.
void MakeSocketFile(const std::filesystem::path& path) {
  const int handle = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  ASSERT_EQ(bind(handle, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  close(handle);
}

TEST_F(FileFlowsTest, AFileThatCannotBeOpenedOrReadIsReportedAndTheOthersAreStillRead) {
  WriteBytes(folder_ / "f.csv", Cp932Lines({"アイ,1"}));
  MakeSocketFile(folder_ / "f_nos.csv");
  std::filesystem::create_directory(folder_ / "f_nen.csv");  // no file to open
  Open();
  wxTEST_DIALOG(Read(), OpenChooser(folder_ / "f.csv"),
                ExpectMessage(FileMessage(folder_ / "f_nos.csv", "ファイルのオープンに失敗しました"), wxID_OK),
                ExpectMessage(FileMessage(folder_ / "f_nen.csv", "ファイルのオープンに失敗しました"), wxID_OK));
  EXPECT_EQ(book_.recordCount(), 1);
  // What is in memory is not the family on disk: it counts as changed.
  EXPECT_TRUE(book_.modified);
  EXPECT_FALSE(Enabled(res::kIdLaunchQuelta));
}

TEST_F(FileFlowsTest, AFolderThatTakesNoFilesIsReportedForTheFirstFile) {
  AddRecord("アイ");
  book_.modified = true;
  Open();
  const std::filesystem::path folder = "/proc/self";
  wxTEST_DIALOG(Write(), SaveChooser(folder / "m.csv"),
                ExpectMessage(FileMessage(folder / "m.csv", "ファイルのオープンに失敗しました"), wxID_OK),
                ChooserDeclined());
  EXPECT_TRUE(book_.modified);
  EXPECT_FALSE(Enabled(res::kIdLaunchQuelta));
  EXPECT_EQ(RecentFile(), "");
}

// The disk fills up: the process may not write files beyond a few bytes.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

 private:
  rlimit saved_{};
};

// A failed save offers the save chooser: the book goes where it says, as after a first save.
TEST_F(FileFlowsTest, AWriteThatRunsOutOfSpaceKeepsTheFilesOnDiskAndOffersToWriteElsewhere) {
  const std::filesystem::path send = CopySample();
  Open();
  wxTEST_DIALOG(Read(), OpenChooser(send), MergeClosed());
  const std::string sendBefore = ReadBytes(send);
  const std::string historyBefore = ReadBytes(folder_ / "sample_nen.csv");
  Type(window_, res::kIdAddress2, "新しい住所");
  test::TempFolder elsewhere;
  std::optional<FileSizeLimit> full(std::in_place, 200);
  // The family is written as one: the first file that fails is named, and none is replaced.
  wxTEST_DIALOG(Write(), ExpectMessage("ファイルに保存します", wxID_OK),
                ExpectMessage(FileMessage(send, "ファイルが壊れています\nファイルが大きすぎます"), wxID_OK),
                ExpectDialog<wxFileDialog>([&](wxFileDialog& dialog) {
                  EXPECT_EQ(std::string(dialog.GetMessage().utf8_str()), "書き込みCSVファイル選択");
                  full.reset();  // another disk
                  dialog.SetPath(FromPath(elsewhere / "moved.csv"));
                  return wxID_OK;
                }));
  EXPECT_EQ(ReadBytes(send), sendBefore);
  EXPECT_EQ(ReadBytes(folder_ / "sample_nen.csv"), historyBefore);
  // Nothing left behind but the family's lock file.
  for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
    const bool lock = entry.path().filename().string().ends_with("lk");
    EXPECT_TRUE(lock || entry.path().extension() == ".csv") << "left behind: " << entry.path();
  }
  EXPECT_NE(ReadBytes(elsewhere / "moved.csv").find("新しい住所"_sjis), std::string::npos);
  EXPECT_TRUE(book_.file.sendExists && book_.file.noSendExists && book_.file.historyExists);
  EXPECT_EQ(RecentFile(), PathToUtf8(elsewhere / "moved.csv"));
  EXPECT_EQ(LabelOf(window_, res::kIdFileName), "moved");
  EXPECT_TRUE(Enabled(res::kIdLaunchQuelta));
}

// The remembered file goes to the user's own settings, even on an account where the program
// has never stored anything.
TEST(UserSettings, TheLastFileIsRememberedFromTheFirstStart) {
  test::TempFolder home;
  const ScopedEnvironment homeVariable("HOME", home.path().c_str());
  const ScopedEnvironment configVariable("XDG_CONFIG_HOME", nullptr);
  WxSettingsStore(/*user's own*/).SetString(misc::kSection, misc::kRecentFile, "/a/b.csv");
  EXPECT_EQ(WxSettingsStore().GetString(misc::kSection, misc::kRecentFile, ""), "/a/b.csv");
  EXPECT_TRUE(std::filesystem::exists(home / ".config" / "Mirelon" / "Mirelon.conf"));
}

}  // namespace
}  // namespace mirelon
