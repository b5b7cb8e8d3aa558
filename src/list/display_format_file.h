// The display-format file (".dat"): the format in 142 little-endian bytes after the magic
// "Mirelon" and a version byte, so a user can keep several layouts and switch between them.
// The file last loaded or saved is remembered as "settingFile" in section "Misc".
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>

#include "list/display_format.h"

namespace mirelon {

class SettingsStore;
class UserPrompt;

inline constexpr size_t kDisplayFormatFileSize = 142;

// Reads `path` into `format` (no range check: the builder copes with any value). A file that is
// refused is reported through `prompt` as the path, CR LF and the reason, and leaves `format` as
// it was; an accepted one is remembered as settingFile.
bool LoadDisplayFormatFile(const std::filesystem::path& path, DisplayFormat& format, UserPrompt& prompt,
                           SettingsStore& settings);

// The bytes of a format file into `format`: null when accepted, else the reason it is refused
// (UTF-8), with `format` as it was.
const char* DecodeDisplayFormatFile(std::string_view bytes, DisplayFormat& format);

// Writes `format` to `path`, replacing the file; a file that cannot be written completely is
// reported as "%s\r\nファイルが壊れています" and is not remembered.
bool SaveDisplayFormatFile(const std::filesystem::path& path, const DisplayFormat& format, UserPrompt& prompt,
                           SettingsStore& settings);

// Where the format-file choosers open: the folder of settingFile, or the program's own folder
// while no format file has been used.
std::filesystem::path DisplayFormatFileFolder(const SettingsStore& settings, const std::filesystem::path& programPath);

}  // namespace mirelon
