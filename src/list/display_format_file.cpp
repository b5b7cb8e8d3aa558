#include "list/display_format_file.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "book/book_files.h"
#include "book/user_prompt.h"
#include "platform/settings_store.h"
#include "text/cp932.h"

namespace mirelon {

namespace {

constexpr std::string_view kMagic = "Mirelon";
constexpr size_t kHeaderSize = kMagic.size() + 1;  // magic and version byte

const std::string kMiscSection = "Misc";
const std::string kSettingFile = "settingFile";

// The fields in file order after the header: filter, numbering, left space, column layout,
// the three line switches, then the 30 kinds and the 30 widths.
template <typename Visit>
void ForEachFileField(DisplayFormat& format, Visit visit) {
  visit(format.filter);
  visit(format.numbering);
  visit(format.leftSpace);
  visit(format.columnLayout);
  for (int16_t& value : format.lineShown) visit(value);
  for (int16_t& value : format.itemKind) visit(value);
  for (int16_t& value : format.itemWidth) visit(value);
}

std::string Encode(DisplayFormat format) {
  std::string bytes(kMagic);
  bytes += '\0';
  ForEachFileField(format, [&bytes](int16_t value) {
    const auto bits = static_cast<uint16_t>(value);
    bytes += static_cast<char>(bits & 0xFF);
    bytes += static_cast<char>(bits >> 8);
  });
  return bytes;
}

void DecodeFields(std::string_view fields, DisplayFormat& format) {
  size_t pos = 0;
  ForEachFileField(format, [fields, &pos](int16_t& value) {
    const auto low = static_cast<unsigned char>(fields[pos]);
    const auto high = static_cast<unsigned char>(fields[pos + 1]);
    value = static_cast<int16_t>(static_cast<uint16_t>(low | high << 8));
    pos += 2;
  });
}

void Report(UserPrompt& prompt, const std::filesystem::path& path, std::string_view reason) {
  std::string text = PathText(path) + "\r\n";
  text += Sjis(reason);
  prompt.Message(text);
}

void RememberFile(SettingsStore& settings, const std::filesystem::path& path) {
  settings.SetString(kMiscSection, kSettingFile, path.string());
}

constexpr std::string_view kAbnormal = "ファイルの内容が異常です";

}  // namespace

bool LoadDisplayFormatFile(const std::filesystem::path& path, DisplayFormat& format, UserPrompt& prompt,
                           SettingsStore& settings) {
  constexpr std::string_view kOpenFailed = "ファイルのオープンに失敗しました";
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(path, error);
  if (error) {
    Report(prompt, path, kOpenFailed);
    return false;
  }
  if (size < kHeaderSize) {
    Report(prompt, path, kAbnormal);
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    Report(prompt, path, kOpenFailed);
    return false;
  }
  std::array<char, kDisplayFormatFileSize> bytes{};
  in.read(bytes.data(), kHeaderSize);
  if (!in || std::string_view(bytes.data(), kMagic.size()) != kMagic) {
    Report(prompt, path, kAbnormal);
    return false;
  }
  // Versions are signed: files of version 0 and below are read as this layout.
  if (static_cast<int8_t>(bytes[kMagic.size()]) > 0) {
    Report(prompt, path, "サポートされていないファイル形式です");
    return false;
  }
  const size_t fieldSize = kDisplayFormatFileSize - kHeaderSize;
  if (size != kDisplayFormatFileSize || !in.read(bytes.data() + kHeaderSize, static_cast<std::streamsize>(fieldSize))) {
    Report(prompt, path, kAbnormal);
    return false;
  }
  DecodeFields(std::string_view(bytes.data() + kHeaderSize, fieldSize), format);
  RememberFile(settings, path);
  return true;
}

bool SaveDisplayFormatFile(const std::filesystem::path& path, const DisplayFormat& format, UserPrompt& prompt,
                           SettingsStore& settings) {
  const std::string bytes = Encode(format);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    Report(prompt, path, "ファイルが壊れています");
    return false;
  }
  RememberFile(settings, path);
  return true;
}

std::filesystem::path DisplayFormatFileFolder(const SettingsStore& settings, const std::filesystem::path& programPath) {
  const std::string settingFile = settings.GetString(kMiscSection, kSettingFile, "");
  return (settingFile.empty() ? programPath : std::filesystem::path(settingFile)).parent_path();
}

}  // namespace mirelon
