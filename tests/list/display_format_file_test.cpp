#include "list/display_format_file.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "list_test_support.h"
#include "platform/settings_store.h"
#include "support/recording_prompt.h"

namespace mirelon::test {
namespace {

namespace fs = std::filesystem;

class DisplayFormatFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("mirelon_list_" + std::to_string(std::random_device()()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path Write(const std::string& name, const std::string& bytes) {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  static std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // The format a refused load must leave alone.
  static DisplayFormat Current() {
    DisplayFormat format = BuiltInDisplayFormat();
    format.displayedCount = 17;
    return format;
  }
  // Loads `path` into Current() and returns the one message shown (empty when accepted).
  std::string LoadMessage(const fs::path& path) {
    DisplayFormat format = Current();
    RecordingPrompt prompt;
    const bool loaded = LoadDisplayFormatFile(path, format, prompt, settings_);
    if (!loaded) {
      EXPECT_EQ(format, Current()) << path;
    }
    EXPECT_EQ(prompt.shown.size(), loaded ? 0u : 1u);
    return prompt.shown.empty() ? std::string() : Cp932ToUtf8(prompt.shown.front());
  }
  std::string SettingFile() const { return settings_.GetString("Misc", "settingFile", ""); }

  fs::path folder_;
  MemorySettingsStore settings_;
};

DisplayFormat SampleFormat() {
  DisplayFormat format = LineOneFormat({{ListItemKind::Name, 12}, {ListItemKind::SendHistory, 10}});
  SetLine(format, 2, {{ListItemKind::Memo1, 150}});
  format.itemKind[29] = -2;
  format.itemWidth[29] = 0x1234;
  format.filter = 0x0102;
  format.numbering = 2;
  format.leftSpace = 8;
  format.columnLayout = 6;
  return format;
}

TEST_F(DisplayFormatFileTest, SavedFileHasTheFixedLayoutAndLoadsBackEveryField) {
  const fs::path path = folder_ / "表示書式.dat";
  RecordingPrompt prompt;
  ASSERT_TRUE(SaveDisplayFormatFile(path, SampleFormat(), prompt, settings_));
  EXPECT_EQ(SettingFile(), path.string());

  const std::string bytes = ReadAll(path);
  ASSERT_EQ(bytes.size(), 142u);
  EXPECT_EQ(bytes.substr(0, 8), std::string("Mirelon\0", 8));
  EXPECT_EQ(bytes.substr(8, 2), "\x02\x01");          // filter, little-endian
  EXPECT_EQ(bytes.substr(14, 2), std::string("\x06\0", 2));  // column layout
  EXPECT_EQ(bytes.substr(22, 2), std::string("\x02\0", 2));  // line 1 slot 1 kind: name
  EXPECT_EQ(bytes.substr(80, 2), "\xFE\xFF");         // line 3 slot 10 kind -2
  EXPECT_EQ(bytes.substr(82, 2), std::string("\x0C\0", 2));  // line 1 slot 1 width 12
  EXPECT_EQ(bytes.substr(140, 2), "\x34\x12");

  settings_.SetString("Misc", "settingFile", "");
  DisplayFormat loaded;
  loaded.displayedCount = 9;
  ASSERT_TRUE(LoadDisplayFormatFile(path, loaded, prompt, settings_));
  DisplayFormat expected = SampleFormat();
  expected.displayedCount = 9;
  EXPECT_EQ(loaded, expected);
  EXPECT_EQ(SettingFile(), path.string());
  EXPECT_TRUE(prompt.shown.empty());
}

TEST_F(DisplayFormatFileTest, WrongSizesAndMagicAreAbnormal) {
  const std::string good = std::string("Mirelon\0", 8) + std::string(134, '\0');
  const std::string abnormal = "ファイルの内容が異常です";

  fs::path path = Write("short.dat", good.substr(0, 141));
  EXPECT_EQ(LoadMessage(path), path.string() + "\r\n" + abnormal);
  path = Write("long.dat", good + "x");
  EXPECT_EQ(LoadMessage(path), path.string() + "\r\n" + abnormal);
  path = Write("tiny.dat", "Mirelon");
  EXPECT_EQ(LoadMessage(path), path.string() + "\r\n" + abnormal);
  std::string wrongMagic = good;
  wrongMagic[0] = 'm';
  wrongMagic[7] = 1;
  path = Write("magic.dat", wrongMagic);
  EXPECT_EQ(LoadMessage(path), path.string() + "\r\n" + abnormal);
  EXPECT_EQ(SettingFile(), "");
}

TEST_F(DisplayFormatFileTest, VersionByteIsSigned) {
  std::string bytes = std::string("Mirelon\0", 8) + std::string(134, '\0');
  bytes[7] = 1;
  const fs::path newer = Write("newer.dat", bytes);
  EXPECT_EQ(LoadMessage(newer), newer.string() + "\r\nサポートされていないファイル形式です");

  bytes[7] = 0x7F;
  const fs::path newerAndLong = Write("newer_long.dat", bytes + "xyz");
  EXPECT_EQ(LoadMessage(newerAndLong), newerAndLong.string() + "\r\nサポートされていないファイル形式です");

  bytes[7] = static_cast<char>(0xFF);
  EXPECT_EQ(LoadMessage(Write("negative.dat", bytes)), "");
}

TEST_F(DisplayFormatFileTest, MissingFileCannotBeOpened) {
  const fs::path path = folder_ / "absent.dat";
  EXPECT_EQ(LoadMessage(path), path.string() + "\r\nファイルのオープンに失敗しました");
}

TEST_F(DisplayFormatFileTest, UnwritableFileIsReportedAndNotRemembered) {
  const fs::path path = folder_ / "no_such_folder" / "format.dat";
  RecordingPrompt prompt;

  EXPECT_FALSE(SaveDisplayFormatFile(path, SampleFormat(), prompt, settings_));

  ASSERT_EQ(prompt.shown.size(), 1u);
  EXPECT_EQ(Cp932ToUtf8(prompt.shown[0]), path.string() + "\r\nファイルが壊れています");
  EXPECT_EQ(SettingFile(), "");
}

TEST_F(DisplayFormatFileTest, AFailedSaveLeavesTheOldFileWhole) {
  const fs::path path = folder_ / "format.dat";
  RecordingPrompt prompt;
  ASSERT_TRUE(SaveDisplayFormatFile(path, DisplayFormat(), prompt, settings_));
  const std::string old = ReadAll(path);
  // A save that runs into the file-size limit half way, in a child process.
  const pid_t child = fork();
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(SaveDisplayFormatFile(path, SampleFormat(), prompt, settings_) ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(ReadAll(path), old);
  EXPECT_EQ(LoadMessage(path), "");
}

TEST_F(DisplayFormatFileTest, ChoosersOpenWhereTheLastFormatFileWas) {
  const fs::path program = fs::path("/opt/mirelon/bin/mirelon");
  EXPECT_EQ(DisplayFormatFileFolder(settings_, program), fs::path("/opt/mirelon/bin"));

  RecordingPrompt prompt;
  fs::create_directories(folder_ / "formats");
  ASSERT_TRUE(SaveDisplayFormatFile(folder_ / "formats" / "a.dat", SampleFormat(), prompt, settings_));
  EXPECT_EQ(DisplayFormatFileFolder(settings_, program), folder_ / "formats");

  DisplayFormat format;
  ASSERT_TRUE(LoadDisplayFormatFile(Write("b.dat", ReadAll(folder_ / "formats" / "a.dat")), format, prompt, settings_));
  EXPECT_EQ(DisplayFormatFileFolder(settings_, program), folder_);
}

}  // namespace
}  // namespace mirelon::test
