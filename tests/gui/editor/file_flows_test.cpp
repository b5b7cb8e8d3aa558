// "ファイル読込" and "ファイル書込" over real files in a temporary folder, with the file choosers,
// questions and messages answered as a user would.
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <optional>

#include <wx/combobox.h>
#include <wx/filedlg.h>
#include <wx/spinbutt.h>

#include "appcore/program_settings.h"
#include "book/book_files.h"
#include "gui/support/book_test_files.h"
#include "gui/support/editor_fixture.h"
#include "gui/dialogs/merge_dialog.h"
#include "gui/editor/address_editor_dialog.h"
#include "gui/app/application_services.h"
#include "gui/kit/file_chooser.h"
#include "gui/kit/message_box.h"
#include "gui/kit/wx_settings_store.h"
#include "gui/support/gui_test_support.h"
#include "platform/utf8_path.h"
#include "res/merge_resources.h"

namespace mirelon {
namespace {

using namespace literals;
using test::ExpectDialog;
using test::ExpectMessage;
using test::Cp932Lines;
using test::ReadBytes;
using test::WriteBytes;
using test::LabelOf;
using test::TextOf;
using test::ScopedEnvironment;
using test::Type;

const std::filesystem::path kExamples = std::filesystem::path(MIRELON_TEST_DATA) / ".." / ".." / "examples";

// The chooser, checked for its title, filter and initial folder, answered with `path`.
ExpectDialog<wxFileDialog> Chooser(std::string_view title, const std::filesystem::path& folder,
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
ExpectDialog<wxFileDialog> ChooserDeclined() {
  return ExpectDialog<wxFileDialog>([](wxFileDialog& dialog) {
    EXPECT_EQ(std::string(dialog.GetMessage().utf8_str()), "書き込みCSVファイル選択");
    return wxID_CANCEL;
  });
}

// The merge window, closed without a join.
ExpectDialog<HistoryMergeDialog> MergeClosed() {
  return ExpectDialog<HistoryMergeDialog>([](HistoryMergeDialog& dialog) {
    test::Click(&dialog, res::kIdMergeClose);
    return wxID_CANCEL;
  });
}

std::string FileMessage(const std::filesystem::path& path, std::string_view reason) {
  return PathToUtf8(path) + "\n" + std::string(reason);
}

std::vector<std::string> ComboItems(wxWindow* window, int id) {
  std::vector<std::string> items;
  for (const wxString& item : test::ControlOf<wxComboBox>(window, id).GetStrings()) items.emplace_back(item.utf8_str());
  return items;
}

class FileFlowsTest : public test::EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    std::filesystem::create_directory(Documents());
    services_.readFile = [this](wxWindow* parent) { return app_.ReadFile(parent); };
    services_.writeFile = [this](wxWindow* parent) { app_.WriteFile(parent); };
  }
  // A user with a documents folder and no recent file: the choosers start there.
  std::filesystem::path Documents() const { return home_ / "Documents"; }

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
    return Chooser("読み込みCSVファイル選択", recent.empty() ? Documents() : std::filesystem::path(recent).parent_path(),
                   path);
  }
  ExpectDialog<wxFileDialog> SaveChooser(const std::filesystem::path& path) {
    const std::string recent = RecentFile();
    return Chooser("書き込みCSVファイル選択", recent.empty() ? Documents() : std::filesystem::path(recent).parent_path(),
                   path);
  }
  // The editor's buttons, with the program's flows behind them.
  void Read() { test::Click(window_, res::kIdReadFile); }
  void Write() { test::Click(window_, res::kIdWriteFile); }
  // Sets the book's family to `name` in the test folder as if it had been read from there.
  void HoldFamily(std::string_view name) {
    book_.file.directory = folder_.path().string() + "/";
    book_.file.baseName = name;
    book_.file.extension = ".csv";
    book_.file.sendExists = true;
  }

  ApplicationServices app_{state_};
  test::TempFolder folder_;
  test::TempFolder home_;
  ScopedEnvironment homeVariable_{"HOME", home_.path().c_str()};
  ScopedEnvironment configVariable_{"XDG_CONFIG_HOME", nullptr};
};

TEST_F(FileFlowsTest, EachNameOfAFamilyReadsTheWholeFamilyAndShowsPageOne) {
  const std::filesystem::path send = CopySample();
  Open();
  for (const char* chosen : {"sample.csv", "sample_nos.csv", "sample_nen.csv"}) {
    SCOPED_TRACE(chosen);
    book_.modified = false;
    book_.currentPage = 3;
    editor_->SetCurrentPage(3);
    editor_->ShowPage(3);
    wxTEST_DIALOG(Read(), OpenChooser(folder_ / chosen), MergeClosed());
    EXPECT_EQ(book_.recordCount(), 12);  // 11 addresses, one history without address
    EXPECT_EQ(book_.record(0).sendHistory, "○○○○○□"_sjis);
    EXPECT_EQ(book_.notes, "○：送信・受信\r\n×：出さない年\r\n喪：喪中"_sjis);
    EXPECT_FALSE(book_.modified);
    EXPECT_EQ(book_.currentPage, 1);
    EXPECT_EQ(editor_->CurrentPage(), 1);
    EXPECT_EQ(RecentFile(), PathToUtf8(folder_ / chosen));

    EXPECT_EQ(LabelOf(window_, res::kIdFileName), "sample");
    EXPECT_EQ(LabelOf(window_, res::kIdRecordCount), "/12");
    EXPECT_EQ(LabelOf(window_, res::kIdFirstYear + 4), "2026");
    EXPECT_EQ(TextOf(window_, res::kIdPageNumber), "1");
    EXPECT_EQ(TextOf(window_, res::kIdRegistrationName), "アオキ　タロウ");
    EXPECT_EQ(TextOf(window_, res::kIdFirstSendMark + 3), "○");
    EXPECT_EQ(test::ControlOf<wxSpinButton>(window_, res::kIdPageSpin).GetMax(), 12);
    EXPECT_EQ(ComboItems(window_, res::kIdHonorific), (std::vector<std::string>{"様", "先生", "くん", ""}));
    EXPECT_TRUE(Enabled(res::kIdLaunchQuelta));
    EXPECT_TRUE(Enabled(res::kIdWriteFile));
  }
}

TEST_F(FileFlowsTest, AChangedBookIsKeptOnCancelAndDroppedOnlyAfterTheQuestion) {
  const std::filesystem::path send = CopySample();
  AddRecord("アイ");
  Open();
  Type(window_, res::kIdPhone, "03");
  wxTEST_DIALOG(Read(), ExpectMessage("変更点を保存しないで別のファイルを読み込みます", wxID_CANCEL));
  wxTEST_DIALOG(Read(), ExpectMessage("変更点を保存しないで別のファイルを読み込みます", wxID_OK),
                ExpectDialog<wxFileDialog>([](wxFileDialog&) { return wxID_CANCEL; }));
  EXPECT_EQ(book_.recordCount(), 1);
  EXPECT_TRUE(editor_->PageModified());
  EXPECT_EQ(TextOf(window_, res::kIdPhone), "03");
  EXPECT_EQ(RecentFile(), "");

  wxTEST_DIALOG(Read(), ExpectMessage("変更点を保存しないで別のファイルを読み込みます", wxID_OK), OpenChooser(send),
                MergeClosed());
  EXPECT_EQ(book_.recordCount(), 12);
  EXPECT_FALSE(book_.modified);
  EXPECT_FALSE(editor_->PageModified());
  EXPECT_EQ(TextOf(window_, res::kIdPhone), "03-1234-5678");
  EXPECT_TRUE(Enabled(res::kIdLaunchQuelta));
}

TEST_F(FileFlowsTest, ANameThatIsNotCsvIsRefusedAndTheRecordsStay) {
  WriteBytes(folder_ / "notes.txt", "a\r\n");
  AddRecord("アイ");
  HoldFamily("old");
  Open();
  wxTEST_DIALOG(Read(), OpenChooser(folder_ / "notes.txt"), ExpectMessage("ファイル名が不正です", wxID_OK));
  EXPECT_EQ(book_.recordCount(), 1);
  EXPECT_FALSE(book_.HasFile());
  EXPECT_EQ(TextOf(window_, res::kIdRegistrationName), "アイ");
  EXPECT_EQ(RecentFile(), "");
}

TEST_F(FileFlowsTest, AFamilyWithoutRecordsOpensOnAnEmptyNewPage) {
  WriteBytes(folder_ / "empty.csv", "");
  WriteBytes(folder_ / "empty_nen.csv", "2020,x,A,B,\r\n");
  AddRecord("アイ");
  Open();
  Type(window_, res::kIdPhone, "03");
  wxTEST_DIALOG(Read(), ExpectMessage("変更点を保存しないで別のファイルを読み込みます", wxID_OK),
                OpenChooser(folder_ / "empty.csv"));
  EXPECT_EQ(book_.recordCount(), 0);
  EXPECT_EQ(book_.nonSendMark, " x");
  EXPECT_EQ(LabelOf(window_, res::kIdFileName), "empty");
  EXPECT_EQ(LabelOf(window_, res::kIdRecordCount), "/0");
  EXPECT_EQ(LabelOf(window_, res::kIdFirstYear + 4), "2020");
  EXPECT_EQ(LabelOf(window_, res::kIdMemoTitle1), "A");
  EXPECT_EQ(TextOf(window_, res::kIdPageNumber), "1");
  EXPECT_FALSE(Enabled(res::kIdWriteFile));
  // The old book's page is gone from the form and is not written into the new book.
  EXPECT_EQ(TextOf(window_, res::kIdRegistrationName), "");
  EXPECT_EQ(TextOf(window_, res::kIdPhone), "");
  EXPECT_FALSE(editor_->PageModified());
}

TEST_F(FileFlowsTest, AnImportIsConfirmedReadAloneAndThenWrittenAsTheFamily) {
  const std::string import = Cp932Lines({
      "イトウ,530-0001,大阪,,,,,伊藤,様,,,,,,,06,,,,メモ\\n二行目,,送信しない,○×,○□",
      "アオキ,100-0005,東京,,,,,青木,様,,,,,,,03,,,,,,?,○□,",
  });
  WriteBytes(folder_ / "x_imp.csv", import);
  WriteBytes(folder_ / "x.csv", Cp932Lines({"ベツ,1"}));  // the family beside it is not read
  Open();

  wxTEST_DIALOG(Read(), OpenChooser(folder_ / "x_imp.csv"), ExpectMessage("インポートします", wxID_CANCEL));
  EXPECT_EQ(book_.recordCount(), 0);

  wxTEST_DIALOG(Read(), OpenChooser(folder_ / "x_imp.csv"), ExpectMessage("インポートします", wxID_OK));
  ASSERT_EQ(book_.recordCount(), 2);
  EXPECT_EQ(LabelOf(window_, res::kIdFileName), "x");
  EXPECT_TRUE(book_.modified);
  EXPECT_FALSE(Enabled(res::kIdLaunchQuelta));

  wxTEST_DIALOG(Write(), ExpectMessage("ファイルに保存します", wxID_OK));
  EXPECT_EQ(ReadBytes(folder_ / "x.csv"), Cp932Lines({"アオキ,100-0005,東京,,,,,青木,様,,,,,,"}));
  EXPECT_EQ(ReadBytes(folder_ / "x_nos.csv"), Cp932Lines({"イトウ,530-0001,大阪,,,,,伊藤,様,,,,,,"}));
  EXPECT_EQ(ReadBytes(folder_ / "x_nen.csv"),
            Cp932Lines({std::to_string(CurrentLocalYear()) + ",×,メモ１,メモ２,", "アオキ,03,,,,,,送信する,○□,□",
                        "イトウ,06,,,,メモ\\n二行目,,送信しない,○×,○□"}));
  EXPECT_EQ(ReadBytes(folder_ / "x_imp.csv"), import);
  EXPECT_FALSE(book_.modified);
  EXPECT_TRUE(Enabled(res::kIdLaunchQuelta));
}

TEST_F(FileFlowsTest, ADeclinedImportLeavesTheOpenBookBoundToItsOwnFiles) {
  WriteBytes(folder_ / "a.csv", Cp932Lines({"アイ,1"}));
  WriteBytes(folder_ / "a_nen.csv", Cp932Lines({"2020,×,メモ１,メモ２,", "アイ,,,,,,,送信する,○□,□"}));
  WriteBytes(folder_ / "x_imp.csv", Cp932Lines({"イトウ,2"}));
  WriteBytes(folder_ / "x.csv", Cp932Lines({"ベツ,3"}));
  Open();
  wxTEST_DIALOG(Read(), OpenChooser(folder_ / "a.csv"));
  Type(window_, res::kIdAddress2, "２階");
  wxTEST_DIALOG(Read(), ExpectMessage("変更点を保存しないで別のファイルを読み込みます", wxID_OK),
                OpenChooser(folder_ / "x_imp.csv"), ExpectMessage("インポートします", wxID_CANCEL));
  EXPECT_EQ(LabelOf(window_, res::kIdFileName), "a");

  wxTEST_DIALOG(Write(), ExpectMessage("ファイルに保存します", wxID_OK));
  EXPECT_EQ(ReadBytes(folder_ / "a.csv"), Cp932Lines({"アイ,1,,２階" + std::string(11, ',')}));
  EXPECT_EQ(ReadBytes(folder_ / "x.csv"), Cp932Lines({"ベツ,3"}));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "x_nen.csv"));
}

TEST_F(FileFlowsTest, AnOpenedBookIsWrittenBackByteForByteWithThePageOnDisplay) {
  const std::string send = Cp932Lines({"アイ,100-0001,東京都,,\"\"\"会社\"\"\",,,相田,様,,,,,,", "ウエ,,,,,,,上野,先生,,,,,,"});
  const std::string noSend = Cp932Lines({"イノ,,,,,,,井野,様,,,,,,"});
  const std::string history = Cp932Lines({"2024,喪,家族,仕事,覚え\\n書き", "アイ,03,,,,a\\nb,,送信する,○□,○○",
                                          "イノ,,,,,,,送信しない,○×,○○", "ウエ,,,,,,,送信する,後,"});
  WriteBytes(folder_ / "b.csv", send);
  WriteBytes(folder_ / "b_nos.csv", noSend);
  WriteBytes(folder_ / "b_nen.csv", history);
  Open();
  wxTEST_DIALOG(Read(), OpenChooser(folder_ / "b_nos.csv"));
  ASSERT_EQ(book_.recordCount(), 3);

  wxTEST_DIALOG(Write(), ExpectMessage("ファイルに保存します", wxID_OK));
  EXPECT_EQ(ReadBytes(folder_ / "b.csv"), send);
  EXPECT_EQ(ReadBytes(folder_ / "b_nos.csv"), noSend);
  EXPECT_EQ(ReadBytes(folder_ / "b_nen.csv"), history);

  Type(window_, res::kIdAddress2, "２階");  // page 1, not committed yet
  wxTEST_DIALOG(Write(), ExpectMessage("ファイルに保存します", wxID_CANCEL));
  EXPECT_EQ(ReadBytes(folder_ / "b.csv"), send);
  wxTEST_DIALOG(Write(), ExpectMessage("ファイルに保存します", wxID_OK));
  EXPECT_EQ(ReadBytes(folder_ / "b.csv"),
            Cp932Lines({"アイ,100-0001,東京都,２階,\"\"\"会社\"\"\",,,相田,様,,,,,,", "ウエ,,,,,,,上野,先生,,,,,,"}));
  EXPECT_EQ(ReadBytes(folder_ / "b_nen.csv"), history);
  EXPECT_FALSE(book_.modified);
  EXPECT_TRUE(Enabled(res::kIdLaunchQuelta));
  EXPECT_EQ(RecentFile(), PathToUtf8(folder_ / "b_nos.csv"));  // a write without chooser leaves it
}

TEST_F(FileFlowsTest, ANewBookIsWrittenUnderTheChosenNameAndKeepsIt) {
  Open();
  Type(window_, res::kIdRegistrationName, "イノ");
  Type(window_, res::kIdName, "井野");
  book_.notes = "覚え"_sjis;
  wxTEST_DIALOG(Write(), SaveChooser(folder_ / "neu"));
  EXPECT_EQ(ReadBytes(folder_ / "neu.csv"), Cp932Lines({"イノ,,,,,,,井野,,,,,,,"}));
  EXPECT_EQ(ReadBytes(folder_ / "neu_nos.csv"), "");
  EXPECT_EQ(ReadBytes(folder_ / "neu_nen.csv"), Cp932Lines({"2014,×,メモ１,メモ２,覚え", "イノ,,,,,,,送信する,□,□"}));
  EXPECT_EQ(LabelOf(window_, res::kIdFileName), "neu");
  EXPECT_TRUE(book_.file.sendExists && book_.file.noSendExists && book_.file.historyExists);
  EXPECT_FALSE(book_.modified);
  EXPECT_TRUE(Enabled(res::kIdLaunchQuelta));
  EXPECT_EQ(editor_->CurrentPage(), 1);
  EXPECT_EQ(RecentFile(), PathToUtf8(folder_ / "neu.csv"));
}

TEST_F(FileFlowsTest, ARefusedPageStopsTheWriteBeforeAnyQuestion) {
  AddRecord("アイ");
  HoldFamily("x");
  Open();
  Type(window_, res::kIdRegistrationName, "　");
  wxTEST_DIALOG(Write(), ExpectMessage("登録名を入力してください", wxID_OK));
  EXPECT_FALSE(std::filesystem::exists(folder_ / "x.csv"));
}

TEST_F(FileFlowsTest, ReplacingAnotherBooksFilesUnderANewNameIsAskedFirst) {
  WriteBytes(folder_ / "old_nen.csv", "2020,x,,,\r\n");
  AddRecord("アイ");
  settings_.SetString(misc::kSection, misc::kRecentFile, PathToUtf8(folder_ / "any.csv"));
  Open();
  const std::string question = PathToUtf8(folder_ / "old_nen.csv") + "\nは既に存在します。\n上書きしますか？";
  wxTEST_DIALOG(Write(), SaveChooser(folder_ / "old.csv"), ExpectMessage(question, wxID_NO));
  EXPECT_EQ(ReadBytes(folder_ / "old_nen.csv"), "2020,x,,,\r\n");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "old.csv"));
  EXPECT_FALSE(book_.HasFile());

  wxTEST_DIALOG(Write(), SaveChooser(folder_ / "old.csv"), ExpectMessage(question, wxID_YES));
  EXPECT_TRUE(std::filesystem::exists(folder_ / "old.csv"));
  EXPECT_TRUE(book_.HasFile());
}

TEST_F(FileFlowsTest, ASaveNameThatIsNotCsvWritesNothing) {
  AddRecord("アイ");
  book_.modified = true;
  Open();
  wxTEST_DIALOG(Write(), SaveChooser(folder_ / "a.txt"), ExpectMessage("ファイル名が不正です", wxID_OK),
                ChooserDeclined());
  EXPECT_TRUE(std::filesystem::is_empty(folder_.path()));
  EXPECT_TRUE(book_.modified);
  EXPECT_EQ(RecentFile(), "");
}

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

TEST_F(FileFlowsTest, AUtf8BookIsReadAfterAYesAndABinaryFileIsReportedAsBroken) {
  WriteBytes(folder_ / "u.csv", "アイ,1\r\n");  // UTF-8 as a text editor saves it
  Open();
  wxTEST_DIALOG(Read(), OpenChooser(folder_ / "u.csv"),
                ExpectMessage(FileMessage(folder_ / "u.csv", "UTF-8で書かれたファイルです\nUTF-8として読み込みますか？"),
                              wxID_YES));
  ASSERT_EQ(book_.recordCount(), 1);
  EXPECT_EQ(book_.record(0).registrationName, Sjis("アイ"));
  EXPECT_TRUE(book_.modified);

  WriteBytes(folder_ / "b.csv", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
  wxTEST_DIALOG(Read(), ExpectMessage("変更点を保存しないで別のファイルを読み込みます", wxID_OK),
                OpenChooser(folder_ / "b.csv"), ExpectMessage(FileMessage(folder_ / "b.csv", "ファイルが壊れています"), wxID_OK));
  EXPECT_EQ(book_.recordCount(), 0);
  EXPECT_TRUE(book_.modified);  // so the next read or exit asks before anything is lost
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

// Return (also an input method user's second Return) answers with what keeps everything.
TEST_F(FileFlowsTest, DestructiveQuestionsKeepEverythingByDefault) {
  const auto byReturn = [](std::string question, int keeping) {
    return ExpectDialog<MessageBoxDialog>([=](MessageBoxDialog& box) {
      EXPECT_TRUE(std::string(box.Message().utf8_str()).ends_with(question)) << question;
      EXPECT_EQ(box.DefaultAnswer(), keeping) << question;
      return box.DefaultAnswer();
    });
  };
  WriteBytes(folder_ / "old.csv", "");
  AddRecord("アイ");
  book_.modified = true;
  Open();
  wxTEST_DIALOG(test::Click(window_, res::kIdCancel), byReturn("変更点を保存しないで終了します", wxID_CANCEL));
  wxTEST_DIALOG(Read(), byReturn("変更点を保存しないで別のファイルを読み込みます", wxID_CANCEL));
  wxTEST_DIALOG(test::Click(window_, res::kIdDeletePage), byReturn("このページを削除します\n\"アイ\"", wxID_CANCEL));
  wxTEST_DIALOG(Write(), SaveChooser(folder_ / "old.csv"), byReturn("は既に存在します。\n上書きしますか？", wxID_NO));
  ASSERT_NE(editor_->Window(), nullptr);
  EXPECT_EQ(book_.recordCount(), 1);
  EXPECT_EQ(ReadBytes(folder_ / "old.csv"), "");
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
