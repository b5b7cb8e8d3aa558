// mirelon-tool contacts-import and contacts-export in-process: the counts and reports printed, the
// book made or written back only when it changed, the column map.
#include <gtest/gtest.h>

#include <sstream>

#include "support/book_fixtures.h"
#include "support/temp_folder.h"
#include "tool/tool_commands.h"

namespace mirelon {
namespace {

struct ToolRun {
  int status;
  std::string errors;
};

class ToolContacts : public ::testing::Test {
 protected:
  ToolRun Tool(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = tool::RunTool(args, out, err);
    return {status, err.str()};
  }
  static std::string Fixture(const char* name) {
    return (std::filesystem::path(MIRELON_TEST_DATA) / "contacts" / name).string();
  }
  std::string Path(const char* name) const { return (folder_ / name).string(); }

  test::TempFolder folder_;
};

TEST_F(ToolContacts, ImportMakesTheBookThenCompletesIt) {
  ToolRun run = Tool({"contacts-import", Fixture("phone_export.vcf"), Path("new.csv")});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.errors.starts_with("新規 4件、更新 0件、変更なし 0件、取り込めない 0件\n")) << run.errors;
  EXPECT_NE(run.errors.find("3件目「吉田 𠮷男」 名前: 「𠮷」は Shift-JIS にない文字のため"), std::string::npos);
  EXPECT_NE(run.errors.find("4件目「上田 誠」 登録名: 読みがないため"), std::string::npos);
  const std::string written = test::ReadBytes(folder_ / "new_nen.csv");
  ASSERT_FALSE(written.empty());

  run = Tool({"contacts-import", Fixture("phone_export.vcf"), Path("new.csv")});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.errors.starts_with("新規 0件、更新 0件、変更なし 4件、取り込めない 0件\n")) << run.errors;
  EXPECT_EQ(test::ReadBytes(folder_ / "new_nen.csv"), written);

  run = Tool({"--sjis", "contacts-import", Fixture("old_phone_sjis.vcf"), Path("new.csv")});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(test::ReadBytes(folder_ / "new_nen.csv"), written);
}

TEST_F(ToolContacts, ATableOfUnknownColumnsNeedsAMap) {
  const struct {
    std::vector<std::string> map;
    int status;
    std::string message;
  } cases[] = {
      {{}, 1, "say where they go with --map COLUMN=FIELD,..."},
      {{"--map", "氏名=name"}, 1, "--map: 「氏名」という列はありません"},
      {{"--map"}, 2, "usage: mirelon-tool"},
      {{"--map", "お名前=name,おなまえ(かな)=registrationName"}, 0, "新規 2件、更新 0件、変更なし 0件、取り込めない 0件"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = {"contacts-import", Fixture("unknown_header.csv"), Path("mapped.csv")};
    args.insert(args.end(), c.map.begin(), c.map.end());
    const ToolRun run = Tool(args);
    EXPECT_EQ(run.status, c.status) << run.errors;
    EXPECT_NE(run.errors.find(c.message), std::string::npos) << run.errors;
    EXPECT_EQ(std::filesystem::exists(folder_ / "mapped.csv"), c.status == 0);
  }
}

TEST_F(ToolContacts, ExportWritesVCardOrTableByTheExtension) {
  std::filesystem::copy_file(test::BookFixture("sample.csv"), folder_ / "sample.csv");
  EXPECT_EQ(Tool({"contacts-export", Path("sample.csv"), Path("out.vcf")}).status, 0);
  EXPECT_TRUE(test::ReadBytes(folder_ / "out.vcf").starts_with("BEGIN:VCARD\r\nVERSION:3.0\r\nN:"));
  EXPECT_EQ(Tool({"contacts-export", Path("sample.csv"), Path("out.csv")}).status, 0);
  EXPECT_TRUE(test::ReadBytes(folder_ / "out.csv").starts_with("\xEF\xBB\xBF登録名,"));
  const ToolRun wrong = Tool({"contacts-export", Path("sample.csv"), Path("out.txt")});
  EXPECT_EQ(wrong.status, 1);
  EXPECT_NE(wrong.errors.find("連絡先のファイル（.vcf か .csv）ではありません"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder_ / "out.txt"));
}

}  // namespace
}  // namespace mirelon
