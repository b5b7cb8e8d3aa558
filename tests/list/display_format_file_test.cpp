#include "list/display_format_file.h"

#include <gtest/gtest.h>

#include "display_format_file_support.h"

namespace mirelon::test {
namespace {

namespace fs = std::filesystem;

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
