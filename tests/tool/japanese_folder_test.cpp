// A book, a display-format file and postal files under a Japanese folder name, through every
// flow of the tool. Paths are handed over as the program's main does: native paths in UTF-8 words.
#include <gtest/gtest.h>

#include <sstream>

#include "list/display_format.h"
#include "list/display_format_file.h"
#include "platform/settings_store.h"
#include "platform/utf8_path.h"
#include "postal/public_postal_support.h"
#include "support/book_fixtures.h"
#include "support/recording_prompt.h"
#include "support/temp_folder.h"
#include "text/cp932.h"
#include "tool/tool_commands.h"

namespace mirelon {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;

class JapaneseFolder : public ::testing::Test {
 protected:
  // A blank, and characters whose second Shift-JIS byte is a backslash, in the folder's names.
  JapaneseFolder() : folder_(root_.path() / PathFromUtf8("年賀状 表ソ能") / PathFromUtf8("住所録")) {
    fs::create_directories(folder_);
    for (const char* name : {"sample.csv", "sample_nos.csv", "sample_nen.csv"}) {
      fs::copy_file(test::BookFixture(name), At(name));
    }
  }
  fs::path At(std::string_view utf8Name) const { return folder_ / PathFromUtf8(utf8Name); }
  std::string Word(std::string_view utf8Name) const { return PathToUtf8(At(utf8Name)); }

  struct Run {
    int status;
    std::string output;
    std::string errors;
  };
  static Run Tool(const std::vector<std::string>& words) {
    std::ostringstream out, err;
    const int status = tool::RunTool(words, out, err);
    return {status, out.str(), err.str()};
  }

  test::TempFolder root_;
  fs::path folder_;
};

TEST_F(JapaneseFolder, EveryFlowFindsAndNamesItsFiles) {
  // Read and save: the copy is the book byte for byte.
  ASSERT_EQ(Tool({"copy", Word("sample.csv"), Word("写し.csv")}).status, 0);
  for (const char* suffix : {"", "_nos", "_nen"}) {
    EXPECT_EQ(ReadBytes(At(std::string("写し") + suffix + ".csv")),
              ReadBytes(test::BookFixture(std::string("sample") + suffix + ".csv")))
        << suffix;
  }

  // A format file saved there is remembered as a folder the settings give back, and lists.
  test::RecordingPrompt prompt;
  MemorySettingsStore settings;
  ASSERT_TRUE(SaveDisplayFormatFile(At("書式.dat"), BuiltInDisplayFormat(), prompt, settings));
  EXPECT_EQ(DisplayFormatFileFolder(settings, {}), folder_);
  const Run builtIn = Tool({"list", Word("写し.csv")});
  const Run listed = Tool({"list", Word("写し.csv"), "--format", Word("書式.dat")});
  EXPECT_EQ(listed.status, 0) << listed.errors;
  EXPECT_EQ(listed.output, builtIn.output);
  EXPECT_FALSE(listed.output.empty());

  // Postal data imported into the folder, then searched and checked against.
  test::WriteBytes(At("KEN_ALL.CSV"), Sjis(test::PublicAddressLine("1050011", "東京都", "港区", "芝公園")));
  test::WriteBytes(At("JIGYOSYO.CSV"),
                   Sjis(test::PublicBusinessLine("1058799", "表商事", "東京都", "港区", "芝公園", "１－１")));
  const Run imported = Tool({"postal-import", Word("KEN_ALL.CSV"), Word("JIGYOSYO.CSV"), "--to", Word("郵便")});
  EXPECT_EQ(imported.status, 0) << imported.errors;
  EXPECT_NE(imported.errors.find("データを " + Word("郵便") + " に書き込みました"), std::string::npos);
  const std::string data = Word("郵便/QUELTAUNIJUSHO.CSV");
  EXPECT_EQ(Tool({"lookup", data, "--code", "1050011"}).output, "AddressResultDialog\n東京都港区芝公園\n");
  EXPECT_EQ(Tool({"lookup", data, "--company", "表商事"}).output,
            "BusinessCodeResultDialog\n1058799 東京都港区芝公園１－１　表商事\n");
  EXPECT_EQ(Tool({"check", Word("写し.csv"), data}).status, 0);

  // A message names the path in the encoding the messages are in.
  fs::copy_file(test::BookFixture("sample.csv"), At("壊れ.csv"));
  fs::create_directory(At("壊れ_nen.csv"));
  const std::string failed = Word("壊れ_nen.csv") + "\nファイルのオープンに失敗しました\n";
  EXPECT_EQ(Tool({"list", Word("壊れ.csv")}).errors, failed);
  EXPECT_EQ(Tool({"--sjis", "list", Word("壊れ.csv")}).errors, Sjis(failed));
}

}  // namespace
}  // namespace mirelon
