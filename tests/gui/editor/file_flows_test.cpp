// "ファイル読込" and "ファイル書込" over real files in a temporary folder, with the file choosers,
// questions and messages answered as a user would.
#include <wx/spinbutt.h>

#include "book/book_files.h"
#include "gui/editor/file_flows_fixture.h"
#include "gui/kit/message_box.h"

namespace mirelon {
namespace {

using namespace literals;
using test::ChooserDeclined;
using test::ComboItems;
using test::Cp932Lines;
using test::ExpectDialog;
using test::ExpectMessage;
using test::FileFlowsTest;
using test::FileMessage;
using test::LabelOf;
using test::MergeClosed;
using test::ReadBytes;
using test::TextOf;
using test::Type;
using test::WriteBytes;

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

}  // namespace
}  // namespace mirelon
