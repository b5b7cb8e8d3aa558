// mirelon-tool as a process: fixture books in temp folders, written files compared byte for byte.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "book/address_book.h"
#include "support/temp_folder.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

using namespace literals;
using test::ReadBytes;
using test::WriteBytes;

const std::filesystem::path kFixtures = std::filesystem::path(MIRELON_TEST_DATA) / "book";

struct ToolRun {
  int status;
  std::string errors;  // standard error
  std::string output;  // standard output
};

std::string ShellQuoted(const std::string& word) {
  std::string quoted = "'";
  for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

class Tool : public ::testing::Test {
 protected:
  ToolRun Run(const std::vector<std::string>& args) {
    std::string command = ShellQuoted(MIRELON_TOOL);
    for (const std::string& arg : args) command += ' ' + ShellQuoted(arg);
    const std::filesystem::path out = streams_ / "out";
    const std::filesystem::path err = streams_ / "err";
    command += " >" + ShellQuoted(out.string()) + " 2>" + ShellQuoted(err.string());
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadBytes(err), ReadBytes(out)};
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  void CopyFixtures(std::initializer_list<const char*> names) {
    for (const char* name : names) std::filesystem::copy_file(kFixtures / name, folder_ / name);
  }
  void ExpectFixture(const std::string& fixture, const std::string& written) {
    EXPECT_EQ(ReadBytes(folder_ / written), ReadBytes(kFixtures / fixture)) << written;
  }

  test::TempFolder folder_;
  test::TempFolder streams_;
};

TEST_F(Tool, CopyWritesTheFamilyTheProgramWouldWrite) {
  CopyFixtures({"messy.csv", "messy_nen.csv"});
  const ToolRun run = Run({"copy", Path("messy_nen.csv"), Path("copied.csv")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.errors, "登録名が重複するので変更しました\n\"やまだ\" → \"やまだ-2\"\n");
  ExpectFixture("messy_copied.csv", "copied.csv");
  ExpectFixture("messy_copied_nos.csv", "copied_nos.csv");
  ExpectFixture("messy_copied_nen.csv", "copied_nen.csv");
}

TEST_F(Tool, SjisOptionPrintsTheProgramsBytes) {
  CopyFixtures({"messy.csv", "messy_nen.csv"});
  const ToolRun run = Run({"--sjis", "copy", Path("messy.csv"), Path("copied.csv")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.errors, "登録名が重複するので変更しました\n\"やまだ\" → \"やまだ-2\"\n"_sjis);
}

TEST_F(Tool, CopyFromAnImportFileImportsIt) {
  CopyFixtures({"sample_imp.csv"});
  const ToolRun run = Run({"copy", Path("sample_imp.csv"), Path("book.csv")});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.errors, "");
  ExpectFixture("sample.csv", "book.csv");
  ExpectFixture("sample_nos.csv", "book_nos.csv");
}

TEST_F(Tool, ExportWritesTheImportFileBesideTheBook) {
  CopyFixtures({"sample.csv", "sample_nos.csv", "sample_nen.csv"});
  const ToolRun run = Run({"export", Path("sample.csv")});
  EXPECT_EQ(run.status, 0);
  ExpectFixture("sample_imp.csv", "sample_imp.csv");
  ExpectFixture("sample_nen.csv", "sample_nen.csv");
}

TEST_F(Tool, AdvanceAppendsAYearAndWritesTheFamilyBack) {
  CopyFixtures({"sample.csv", "sample_nos.csv", "sample_nen.csv"});
  const ToolRun run = Run({"advance", Path("sample.csv"), "x"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.errors, "");
  EXPECT_EQ(ReadBytes(folder_ / "sample_nen.csv"),
            Sjis("2025, x,連絡先,備考,\"覚え\\n書き,甲\"\r\n"
                 "あおき,03-1234-5678,,,a@example.jp,一行目\\n二行目,ソn,送信する,□□後□,□○○□\r\n"
                 "いとう,,,090,,,,送信しない, x□ x,□□□\r\n"
                 "うえだ,,,,,\"\"\"引用\"\"\",,送信しない,○喪 x,○□□\r\n"));
  // いとう is no longer sent to.
  EXPECT_EQ(ReadBytes(folder_ / "sample.csv"), Sjis("あおき,\"1,2\",住所ソ表能,,\"\"\"株\"\"ソ\",,,青木一郎,様,花子,様,,,,\r\n"));
  EXPECT_EQ(ReadBytes(folder_ / "sample_nos.csv"),
            Sjis("いとう,100-0001,東京都千代田区千代田1-1,表参道ビル,,,部長,伊藤能,殿,,,,,,\r\n"
                 "うえだ,１２３－４５６７,大阪府,,,,,上田,様,,,,,,\r\n"));
}

TEST_F(Tool, AdvanceRefusesABookAheadOfTheCalendarAndABlankMark) {
  const std::string history = std::to_string(CurrentLocalYear() + 1) + ",x\r\na,,,,,,,,,\r\n";
  WriteBytes(folder_ / "ahead_nen.csv", history);
  ToolRun run = Run({"advance", Path("ahead_nen.csv"), "x"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.errors.find("later than the calendar year"), std::string::npos) << run.errors;
  EXPECT_EQ(ReadBytes(folder_ / "ahead_nen.csv"), history);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "ahead.csv"));

  CopyFixtures({"sample.csv", "sample_nen.csv"});
  for (const char* blank : {"", " ", "□", "　"}) {
    run = Run({"advance", Path("sample.csv"), blank});
    EXPECT_EQ(run.status, 1) << blank;
    EXPECT_NE(run.errors.find("nothing was updated"), std::string::npos);
  }
  ExpectFixture("sample_nen.csv", "sample_nen.csv");

  run = Run({"advance", Path("sample.csv"), "xyz"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.errors.find("usage: mirelon-tool [--sjis] advance SRC.csv MARK"), std::string::npos);
}

TEST_F(Tool, FailuresExitWithOneAndWriteNothing) {
  ToolRun run = Run({"copy", Path("missing.csv"), Path("dest.csv")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors, "ファイル名が不正です\n");

  CopyFixtures({"sample.csv"});
  std::filesystem::create_directory(folder_ / "sample_nen.csv");
  run = Run({"copy", Path("sample.csv"), Path("dest.csv")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors, Path("sample_nen.csv") + "\nファイルが壊れています\n");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "dest.csv"));

  std::filesystem::remove(folder_ / "sample_nen.csv");
  run = Run({"copy", Path("sample.csv"), Path("dest.txt")});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors, "ファイル名が不正です\n");
  EXPECT_FALSE(std::filesystem::exists(folder_ / "dest.csv"));

  run = Run({"copy", Path("sample.csv"), "/proc/dest.csv"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.errors, "/proc/dest.csv\nファイルのオープンに失敗しました\n"
                        "/proc/dest_nos.csv\nファイルのオープンに失敗しました\n"
                        "/proc/dest_nen.csv\nファイルのオープンに失敗しました\n");
}

TEST_F(Tool, UsageErrorsAndHelp) {
  EXPECT_EQ(Run({}).status, 2);
  EXPECT_EQ(Run({"frobnicate"}).status, 2);
  EXPECT_EQ(Run({"copy", "a.csv"}).status, 2);
  EXPECT_EQ(Run({"--colour", "copy", "a.csv", "b.csv"}).status, 2);
  const ToolRun help = Run({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* line : {"  copy SRC.csv DEST.csv", "  export SRC.csv", "  advance SRC.csv MARK", "--sjis"}) {
    EXPECT_NE(help.output.find(line), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace mirelon
