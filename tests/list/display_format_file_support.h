// The fixture of the display-format file tests: a fresh folder, a format that uses every field.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "list/display_format_file.h"
#include "list_test_support.h"
#include "platform/settings_store.h"
#include "support/recording_prompt.h"

namespace mirelon::test {

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

inline DisplayFormat SampleFormat() {
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

}  // namespace mirelon::test
