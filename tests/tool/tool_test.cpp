// mirelon-tool's commands run in-process: fixture books in temp folders, written files compared byte for
// byte.
#include <gtest/gtest.h>

#include <sstream>

#include "book/address_book.h"
#include "list/display_format.h"
#include "list/display_format_file.h"
#include "list/list_item_kind.h"
#include "platform/settings_store.h"
#include "platform/utf8_path.h"
#include "postal/public_postal_support.h"
#include "support/book_fixtures.h"
#include "support/recording_prompt.h"
#include "support/command_output.h"
#include "support/temp_folder.h"
#include "text/cp932.h"
#include "tool/program_file.h"
#include "tool/tool_commands.h"

namespace mirelon {
namespace {

using namespace literals;
using test::ReadBytes;
using test::WriteBytes;

struct ToolRun {
  int status;
  std::string errors;  // standard error
  std::string output;  // standard output
};

class Tool : public ::testing::Test {
 protected:
  ToolRun Run(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = tool::RunTool(args, out, err);
    return {status, err.str(), out.str()};
  }
  std::string Path(const std::string& name) const { return PathToUtf8(folder_.path() / PathFromUtf8(name)); }
  void CopyFixtures(std::initializer_list<const char*> names) {
    for (const char* name : names) std::filesystem::copy_file(test::BookFixture(name), folder_ / name);
  }
  void ExpectFixture(const std::string& fixture, const std::string& written) {
    EXPECT_EQ(ReadBytes(folder_ / written), ReadBytes(test::BookFixture(fixture))) << written;
  }

  test::TempFolder folder_;
};

TEST_F(Tool, CopyAndExportWriteWhatTheProgramWould) {
  CopyFixtures({"messy.csv", "messy_nen.csv", "sample_imp.csv"});
  const std::string renamed = "登録名が重複するので変更しました\n\"やまだ\" → \"やまだ-2\"\n";
  ToolRun run = Run({"copy", Path("messy_nen.csv"), Path("copied.csv")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.errors, renamed);
  ExpectFixture("messy_copied.csv", "copied.csv");
  ExpectFixture("messy_copied_nos.csv", "copied_nos.csv");
  ExpectFixture("messy_copied_nen.csv", "copied_nen.csv");
  run = Run({"--sjis", "copy", Path("messy.csv"), Path("again.csv")});
  EXPECT_EQ(run.errors, Sjis(renamed));

  // An import file is imported without a question.
  run = Run({"copy", Path("sample_imp.csv"), Path("sample.csv")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.errors, "");
  ExpectFixture("sample.csv", "sample.csv");
  ExpectFixture("sample_nos.csv", "sample_nos.csv");
  std::filesystem::remove(folder_ / "sample_imp.csv");
  EXPECT_EQ(Run({"export", Path("sample_nos.csv")}).status, 0);
  ExpectFixture("sample_imp.csv", "sample_imp.csv");
}

TEST_F(Tool, AdvanceAppendsAYearAndWritesTheFamilyBack) {
  CopyFixtures({"sample.csv", "sample_nos.csv", "sample_nen.csv"});
  for (const char* blank : {"", " ", "□", "　"}) {
    const ToolRun run = Run({"advance", Path("sample.csv"), blank});
    EXPECT_EQ(run.status, 1) << blank;
    EXPECT_NE(run.errors.find("nothing was updated"), std::string::npos);
  }
  ExpectFixture("sample_nen.csv", "sample_nen.csv");
  EXPECT_EQ(Run({"advance", Path("sample.csv"), "xyz"}).status, 2);

  const ToolRun run = Run({"advance", Path("sample.csv"), "x"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.errors, "");
  EXPECT_EQ(ReadBytes(folder_ / "sample_nen.csv"),
            Sjis("2025, x,連絡先,備考,\"覚え\\n書き,甲\"\r\n"
                 "あおき,03-1234-5678,,,a@example.jp,一行目\\n二行目,ソn,送信する,□□後□,□○○□\r\n"
                 "いとう,,,090,,,,送信しない, x□ x,□□□\r\n"
                 "うえだ,,,,,\"\"\"引用\"\"\",,送信しない,○喪 x,○□□\r\n"));
  EXPECT_EQ(ReadBytes(folder_ / "sample_nos.csv").find("いとう"_sjis), 0u);  // no longer sent to

  const std::string ahead = std::to_string(CurrentLocalYear() + 1) + ",x\r\na,,,,,,,,,\r\n";
  WriteBytes(folder_ / "ahead_nen.csv", ahead);
  const ToolRun refused = Run({"advance", Path("ahead_nen.csv"), "x"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.errors.find("later than the calendar year"), std::string::npos) << refused.errors;
  EXPECT_EQ(ReadBytes(folder_ / "ahead_nen.csv"), ahead);
}

TEST_F(Tool, FailuresExitWithOneAndWriteNothing) {
  ToolRun run = Run({"copy", Path("missing.csv"), Path("dest.csv")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors, "ファイル名が不正です\n");

  CopyFixtures({"sample.csv"});
  std::filesystem::create_directory(folder_ / "sample_nen.csv");
  run = Run({"copy", Path("sample.csv"), Path("dest.csv")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors, Path("sample_nen.csv") + "\nファイルのオープンに失敗しました\n");
  std::filesystem::remove(folder_ / "sample_nen.csv");
  run = Run({"copy", Path("sample.csv"), Path("dest.txt")});
  EXPECT_EQ(run.errors, "ファイル名が不正です\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 3);  // and the lock files of the two reads
}

TEST_F(Tool, CopyOfAFamilyBeyondTheFullBookNamesWhatItCouldNotReadAndWritesNothing) {
  std::string text;
  for (int i = 0; i <= 1000; ++i) text += "n" + std::to_string(1000 + i) + "\r\n";
  WriteBytes(folder_ / "big.csv", text);
  const ToolRun run = Run({"copy", Path("big.csv"), Path("dest.csv")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors, "データ数が1000を超えています\n次の1件は読み込めませんでした：\n\"n2000\"\n");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "dest.csv"));
}

TEST_F(Tool, AUtf8BookIsReadOnlyWithUtf8) {
  WriteBytes(folder_ / "utf8.csv", Cp932ToUtf8(ReadBytes(test::BookFixture("sample.csv"))));
  ToolRun run = Run({"copy", Path("utf8.csv"), Path("dest.csv")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors, Path("utf8.csv") + "\nファイルが壊れています\n");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "dest.csv"));
  run = Run({"--utf8", "copy", Path("utf8.csv"), Path("dest.csv")});
  EXPECT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(ReadBytes(folder_ / "dest.csv"), ReadBytes(test::BookFixture("sample.csv")));
}

// copy writes a new book: a file of the destination's family that is not a Shift-JIS book is
// some other program's data, kept unless --force says otherwise.
TEST_F(Tool, ADestinationFileThatIsNoBookIsKeptWithoutForce) {
  CopyFixtures({"sample.csv"});
  struct Case {
    const char* what;
    std::string bytes;
    std::filesystem::perms perms;
  };
  const Case cases[] = {
      {"UTF-8 text", "名前,住所\r\n", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write},
      {"a program", test::SystemProgramFile().bytes, test::SystemProgramFile().perms},
      {"binary data", std::string("a\0b\r\n", 5), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteBytes(folder_ / "dest_nos.csv", c.bytes);
    std::filesystem::permissions(folder_ / "dest_nos.csv", c.perms);
    ToolRun run = Run({"copy", Path("sample.csv"), Path("dest.csv")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.errors, Path("dest_nos.csv") + "\nは住所録のファイルではありません\n置き換えますか？\n"
                          "置き換えませんでした (--force を付けると置き換えます)\n");
    EXPECT_EQ(ReadBytes(folder_ / "dest_nos.csv"), c.bytes);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "dest.csv"));
    run = Run({"--force", "copy", Path("sample.csv"), Path("dest.csv")});
    EXPECT_EQ(run.status, 0) << run.errors;
    EXPECT_TRUE(std::filesystem::exists(folder_ / "dest.csv"));
    std::filesystem::remove(folder_ / "dest.csv");
  }
  // A book there is simply replaced.
  EXPECT_EQ(Run({"copy", Path("sample.csv"), Path("dest.csv")}).status, 0);
}

TEST_F(Tool, UsageErrorsAndHelp) {
  EXPECT_EQ(Run({}).status, 2);
  EXPECT_EQ(Run({"frobnicate"}).status, 2);
  const ToolRun wrong = Run({"copy", "a.csv"});
  EXPECT_EQ(wrong.status, 2);
  EXPECT_EQ(wrong.errors, "usage: mirelon-tool [--sjis] [--utf8] [--force] copy SRC.csv DEST.csv\n");
  // Help asked for alone runs nothing and succeeds; given with the command's arguments it still
  // runs nothing, and a script must not take that for a copy made.
  EXPECT_EQ(Run({"copy", "-h"}).status, 0);
  CopyFixtures({"sample.csv"});
  EXPECT_EQ(Run({"copy", Path("sample.csv"), "-h"}).status, 2);
  EXPECT_EQ(Run({"copy", Path("sample.csv"), Path("dest.csv"), "--help"}).status, 2);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "dest.csv"));
  const ToolRun help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* line : {"  copy SRC.csv DEST.csv", "  export SRC.csv", "  advance SRC.csv MARK", "--sjis"}) {
    EXPECT_NE(help.output.find(line), std::string::npos) << line;
  }
}

TEST_F(Tool, ListPrintsTheTableAndEndsWithTheStatusLine) {
  CopyFixtures({"sample.csv", "sample_nos.csv", "sample_nen.csv"});
  const std::string firstLine = "  1 青木一郎   1,2      住所ソ表能 \"株\"ソ" + std::string(31, ' ') + "\r\n";

  ToolRun run = Run({"list", Path("sample.csv")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output.substr(0, firstLine.size()), firstLine);
  EXPECT_NE(run.output.find("\r\n  3 上田       １２３－ 大阪府"), std::string::npos);
  EXPECT_EQ(run.errors, "              すべて表示  連番      3件\n");

  // The program's bytes: every line of the built-in format is 72 cells.
  run = Run({"--sjis", "list", Path("sample.csv")});
  EXPECT_EQ(run.output.size(), 3u * (72u + 2u));
  EXPECT_EQ(run.output.substr(0, 74), Sjis(firstLine));
  EXPECT_EQ(run.errors, Sjis("              すべて表示  連番      3件\n"));
}

// Splits at `separator`; a separator at the end gives no empty last piece.
std::vector<std::string> SplitAt(const std::string& text, const std::string& separator) {
  std::vector<std::string> pieces;
  for (size_t from = 0; from < text.size();) {
    const size_t to = std::min(text.find(separator, from), text.size());
    pieces.push_back(text.substr(from, to - from));
    from = to + separator.size();
  }
  return pieces;
}

TEST_F(Tool, ListPagesAsThePrintoutLaysThemOut) {
  CopyFixtures({"sample.csv", "sample_nos.csv", "sample_nen.csv"});
  const std::vector<std::string> lines = SplitAt(Run({"--sjis", "list", Path("sample.csv")}).output, "\r\n");
  ASSERT_EQ(lines.size(), 3u);

  // Clipped: two pages of lines cut at 40 cells, none splitting a character.
  ToolRun run = Run({"--sjis", "list", Path("sample.csv"), "--page", "2x40"});
  EXPECT_EQ(run.status, 0);
  std::vector<std::string> pages = SplitAt(run.output, "\f");
  ASSERT_EQ(pages.size(), 2u);
  std::vector<std::string> printed = SplitAt(pages[0] + pages[1], "\r\n");
  ASSERT_EQ(printed.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_TRUE(printed[i].size() == 40 || printed[i].size() == 39) << i;
    EXPECT_EQ(lines[i].substr(0, printed[i].size()), printed[i]) << i;
    EXPECT_EQ(Cp932ToUtf8(printed[i]).find("\uFFFD"), std::string::npos) << i;
  }

  // Wrapped: a 72-cell line takes two printed lines, which together are the line again, unless
  // only padding blanks were left of it after the first (one of the three here).
  run = Run({"--sjis", "list", Path("sample.csv"), "--wrap", "--page", "4x40"});
  pages = SplitAt(run.output, "\f");
  ASSERT_EQ(pages.size(), 2u);
  printed = SplitAt(pages[0], "\r\n");
  EXPECT_EQ(printed.size(), 4u);
  for (const std::string& line : SplitAt(pages[1], "\r\n")) printed.push_back(line);
  ASSERT_EQ(printed.size(), 5u);
  size_t next = 0;
  for (size_t i = 0; i < 3; ++i) {
    std::string joined = printed[next++];
    if (lines[i].find_first_not_of(' ', joined.size()) != std::string::npos) joined += printed[next++];
    EXPECT_EQ(joined + std::string(lines[i].size() - joined.size(), ' '), lines[i]) << i;
  }
  EXPECT_EQ(run.errors, Sjis("              すべて表示  連番      3件\n"));

  for (const char* page : {"0x40", "40", "2x", "x40", "2x40x1", "-2x40"}) {
    EXPECT_EQ(Run({"list", Path("sample.csv"), "--page", page}).status, 2) << page;
  }
  EXPECT_EQ(Run({"list", Path("sample.csv"), "--wrap"}).status, 2);
}

TEST_F(Tool, ListTakesAFormatFileOrReportsWhyNot) {
  CopyFixtures({"sample.csv", "sample_nos.csv", "sample_nen.csv"});
  DisplayFormat format;
  format.lineShown = {1, 0, 0};
  format.itemKind[0] = static_cast<int16_t>(ListItemKind::RegistrationName);
  format.itemWidth[0] = 8;
  format.itemKind[1] = static_cast<int16_t>(ListItemKind::SendHistory);
  format.itemWidth[1] = 6;
  format.itemKind[2] = static_cast<int16_t>(ListItemKind::InitialSendState);
  format.itemWidth[2] = 4;
  format.filter = 5;  // the newest mark says not to send
  format.numbering = 1;
  test::RecordingPrompt prompt;
  MemorySettingsStore settings;
  ASSERT_TRUE(SaveDisplayFormatFile(folder_ / "format.dat", format, prompt, settings));

  ToolRun run = Run({"list", Path("sample.csv"), "--format", Path("format.dat")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, "  3 うえだ   ？○喪 送×\r\n");
  EXPECT_EQ(run.errors, "最新履歴で送信しないもの  ページ    1件\n");

  std::string newer = ReadBytes(folder_ / "format.dat");
  newer[7] = 1;
  WriteBytes(folder_ / "newer.dat", newer);
  run = Run({"list", "--format", Path("newer.dat"), Path("sample.csv")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.output, "");
  EXPECT_EQ(run.errors, Path("newer.dat") + "\nサポートされていないファイル形式です\n");

  EXPECT_EQ(Run({"list", Path("sample.csv"), "--format"}).status, 2);
  EXPECT_EQ(Run({"list", Path("sample.csv"), Path("sample.csv")}).status, 2);
}

// Every flow under a folder name with a blank and characters whose second Shift-JIS byte is a
// backslash, the paths handed over as the tool's main does: UTF-8 words.
TEST_F(Tool, AJapaneseFolderNameGoesThroughEveryFlow) {
  const std::filesystem::path folder = folder_.path() / PathFromUtf8("年賀状 表ソ能");
  const auto at = [&](std::string_view name) { return folder / PathFromUtf8(name); };
  const auto word = [&](std::string_view name) { return PathToUtf8(at(name)); };
  std::filesystem::create_directory(folder);
  for (const char* name : {"sample.csv", "sample_nos.csv", "sample_nen.csv"}) {
    std::filesystem::copy_file(test::BookFixture(name), at(name));
  }
  ASSERT_EQ(Run({"copy", word("sample.csv"), word("写し.csv")}).status, 0);
  EXPECT_EQ(ReadBytes(at("写し_nen.csv")), ReadBytes(test::BookFixture("sample_nen.csv")));

  test::RecordingPrompt prompt;
  MemorySettingsStore settings;
  ASSERT_TRUE(SaveDisplayFormatFile(at("書式.dat"), BuiltInDisplayFormat(), prompt, settings));
  EXPECT_EQ(DisplayFormatFileFolder(settings, {}), folder);  // the remembered file, back from its setting
  const ToolRun listed = Run({"list", word("写し.csv"), "--format", word("書式.dat")});
  EXPECT_EQ(listed.status, 0) << listed.errors;
  EXPECT_EQ(listed.output, Run({"list", word("sample.csv")}).output);

  WriteBytes(at("KEN_ALL.CSV"), Sjis(test::PublicAddressLine("1050011", "東京都", "港区", "芝公園")));
  const ToolRun imported = Run({"postal-import", word("KEN_ALL.CSV"), "--to", word("郵便")});
  EXPECT_NE(imported.errors.find(" " + word("郵便") + " に書き込みました"), std::string::npos) << imported.errors;
  EXPECT_EQ(Run({"lookup", word("郵便/QUELTAUNIJUSHO.CSV"), "--code", "1050011"}).output,
            "AddressResultDialog\n東京都港区芝公園\n");

  // A message names the path, in CP932 too.
  std::filesystem::remove(at("写し_nos.csv"));
  std::filesystem::create_directory(at("写し_nos.csv"));
  const std::string failed = word("写し_nos.csv") + "\nファイルのオープンに失敗しました\n";
  EXPECT_EQ(Run({"list", word("写し.csv")}).errors, failed);
  EXPECT_EQ(Run({"--sjis", "list", word("写し.csv")}).errors, Sjis(failed));
}

// Pages of a PDF written by cairo: one page object each.
int PdfPages(const std::string& pdf) {
  int pages = 0;
  for (size_t at = pdf.find("/Type /Page"); at != std::string::npos; at = pdf.find("/Type /Page", at + 1)) {
    if (pdf.compare(at, 12, "/Type /Pages") != 0) ++pages;
  }
  return pages;
}

TEST_F(Tool, CardsWriteOnePdfPagePerCard) {
  CopyFixtures({"sample.csv", "sample_nen.csv", "sample_nos.csv"});
  // By default the two the newest mark sends; あおき's code "1,2" is no code: the check before
  // printing says so on standard error, and the cards are written all the same.
  ToolRun run = Run({"cards", Path("sample.csv"), "--pdf", Path("cards.pdf")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.errors, "1 枚目 あおき: 郵便番号「1,2」が読めません(枠は空欄のまま印刷します)\n2 枚の宛名面を " +
                            Path("cards.pdf") + " に書き込みました\n");
  EXPECT_EQ(PdfPages(ReadBytes(folder_ / "cards.pdf")), 2);

  run = Run({"cards", "--records", "3,1-1", "--stock", "plain", Path("sample.csv"), "--pdf", Path("cards.pdf")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(PdfPages(ReadBytes(folder_ / "cards.pdf")), 2);

  run = Run({"cards", Path("sample.csv"), "--pdf", Path("cards.pdf"), "--records", "all"});
  EXPECT_EQ(PdfPages(ReadBytes(folder_ / "cards.pdf")), 3);

  // A number past the book's end writes nothing.
  run = Run({"cards", Path("sample.csv"), "--pdf", Path("none.pdf"), "--records", "2-4"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors, "レコード 4 はありません (この住所録は 3 件です)\n");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "none.pdf"));

  for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
           {"cards", Path("sample.csv")},
           {"cards", Path("sample.csv"), "--pdf"},
           {"cards", Path("sample.csv"), "--pdf", Path("x.pdf"), "--stock", "postcard"},
           {"cards", Path("sample.csv"), "--pdf", Path("x.pdf"), "--numbers", "roman"},
           {"cards", Path("sample.csv"), "--pdf", Path("x.pdf"), "--offset", "5.1,0"},
           {"cards", Path("sample.csv"), "--pdf", Path("x.pdf"), "--sender-offset", "1.5"},
           {"cards", Path("sample.csv"), "--pdf", Path("x.pdf"), "--sender-code", "15-0001"},
           {"cards", Path("sample.csv"), "--pdf", Path("x.pdf"), "--sender-name", "𠮷田"},
           {"cards", "--pdf", Path("x.pdf")},
       }) {
    EXPECT_EQ(Run(wrong).status, 2) << wrong.back();
  }
  EXPECT_FALSE(std::filesystem::exists(folder_ / "x.pdf"));
}

// Every choice of the dialog as an option: the sender prints and the offsets move the print; the
// calibration sheet needs no book. Failing to write is the one failure.
TEST_F(Tool, CardsTakeTheDialogsChoices) {
  CopyFixtures({"sample.csv", "sample_nen.csv", "sample_nos.csv"});
  const auto text = [&](const std::string& pdf, const char* how) {
    std::string text = test::CommandOutput("pdftotext " + std::string(how) + " '" + Path(pdf) + "' -");
    std::erase(text, '\n');
    return text;
  };
  EXPECT_EQ(Run({"cards", Path("sample.csv"), "--pdf", Path("plain.pdf"), "--records", "2"}).status, 0);
  const ToolRun moved = Run({"cards", Path("sample.csv"), "--pdf", Path("moved.pdf"), "--records", "2", "--offset",
                             "-1.5,2", "--rotate180", "--sender-code", "150-0001", "--sender-address", "渋谷区神宮前4-3-2",
                             "--sender-address2", "ハイツ101", "--sender-name", "高橋 誠", "--sender-joint", "陽子",
                             "--sender-offset", "0.5,-0.5", "--no-default-honorific", "--keep-joint-family"});
  EXPECT_EQ(moved.status, 0) << moved.errors;
  EXPECT_EQ(text("plain.pdf", "-raw").find("高橋"), std::string::npos);
  EXPECT_NE(text("moved.pdf", "-raw").find("高橋"), std::string::npos);
  EXPECT_NE(text("plain.pdf", "-bbox"), text("moved.pdf", "-bbox"));

  EXPECT_EQ(Run({"cards", "--calibration", "--pdf", Path("calibration.pdf"), "--stock", "plain"}).status, 0);
  EXPECT_NE(text("calibration.pdf", "-raw").find("位置合わせ用紙"), std::string::npos);
  EXPECT_EQ(Run({"cards", Path("sample.csv"), "--pdf", Path("missing/cards.pdf")}).status, 1);
}

}  // namespace
}  // namespace mirelon
