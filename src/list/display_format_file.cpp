#include "list/display_format_file.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "book/book_files.h"
#include "book/safe_file.h"
#include "book/user_prompt.h"
#include "platform/settings_store.h"
#include "text/cp932.h"

namespace mirelon {

namespace {

constexpr std::string_view kMagic = "Mirelon";
constexpr size_t kHeaderSize = kMagic.size() + 1;  // magic and version byte
// Anything larger is no format file of any version; it is not read at all.
constexpr size_t kMaxReadSize = 1024 * 1024;

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
  SetPathSetting(settings, kMiscSection, kSettingFile, path);
}

constexpr const char* kAbnormal = "ファイルの内容が異常です";

}  // namespace

const char* DecodeDisplayFormatFile(std::string_view bytes, DisplayFormat& format) {
  if (bytes.size() < kHeaderSize || bytes.substr(0, kMagic.size()) != kMagic) return kAbnormal;
  // Versions are signed: files of version 0 and below are read as this layout.
  if (static_cast<int8_t>(bytes[kMagic.size()]) > 0) return "サポートされていないファイル形式です";
  if (bytes.size() != kDisplayFormatFileSize) return kAbnormal;
  DecodeFields(bytes.substr(kHeaderSize), format);
  return nullptr;
}

bool LoadDisplayFormatFile(const std::filesystem::path& path, DisplayFormat& format, UserPrompt& prompt,
                           SettingsStore& settings) {
  std::string bytes;
  const char* refusal = ReadWholeFile(path, kMaxReadSize, bytes) == FileIoResult::Done
                            ? DecodeDisplayFormatFile(bytes, format)
                            : "ファイルのオープンに失敗しました";
  if (refusal) {
    Report(prompt, path, refusal);
    return false;
  }
  RememberFile(settings, path);
  return true;
}

bool SaveDisplayFormatFile(const std::filesystem::path& path, const DisplayFormat& format, UserPrompt& prompt,
                           SettingsStore& settings) {
  // Replaced whole, like the book's files: a failed save leaves the old file, never a torn one.
  if (ReplaceFile(path, Encode(format)) != FileIoResult::Done) {
    Report(prompt, path, "ファイルが壊れています");
    return false;
  }
  RememberFile(settings, path);
  return true;
}

std::filesystem::path DisplayFormatFileFolder(const SettingsStore& settings, const std::filesystem::path& programPath) {
  const std::filesystem::path settingFile = GetPathSetting(settings, kMiscSection, kSettingFile);
  return (settingFile.empty() ? programPath : settingFile).parent_path();
}

}  // namespace mirelon
