#include "gui/kit/wx_settings_store.h"

#include <cstring>
#include <string_view>
#include <type_traits>

#include <wx/config.h>
#include <wx/fileconf.h>
#include <wx/filename.h>

#include "gui/kit/file_chooser.h"
#include "platform/user_folders.h"
#include "text/cp932.h"

namespace mirelon {
namespace {

// A file-based store keeps its file in the user's configuration folder ($XDG_CONFIG_HOME, by
// default ~/.config), in a folder of the program's own, which wxFileConfig does not create:
// without it the first value written on a fresh account would fail. On Windows wxConfig is the
// registry, and the vendor and application name its key:
// HKEY_CURRENT_USER\Software\Ovrin Applications\Mirelon, a section a key below it.
std::unique_ptr<wxConfig> UserConfig() {
  wxString localFile;
  if constexpr (std::is_base_of_v<wxFileConfig, wxConfig>) {
    const std::filesystem::path base = UserConfigFolder();
    // Without a home folder wxFileConfig's own choice stands.
    if (base.empty()) return std::make_unique<wxConfig>(kApplicationName, kVendorName);
    const wxFileName file(FromPath(base / kApplicationName), wxString(kApplicationName) + ".conf");
    if (!file.DirExists()) wxFileName::Mkdir(file.GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
    localFile = file.GetFullPath();
  }
  return std::make_unique<wxConfig>(kApplicationName, kVendorName, localFile, wxEmptyString, wxCONFIG_USE_LOCAL_FILE);
}

wxString Key(const std::string& section, const std::string& name) {
  return "/" + wxString::FromUTF8(section) + "/" + wxString::FromUTF8(name);
}

// wxConfig keeps text, and a value is bytes: UTF-8 (a path) or CP932 (a text of the book's kind,
// such as the sender of the cards). UTF-8 is stored as it is; other bytes, and a value that
// starts with the mark, as the mark and two hexadecimal digits a byte.
constexpr std::string_view kBytesMark = "bytes:";
constexpr char kHexDigits[] = "0123456789ABCDEF";

wxString StoredText(const std::string& value) {
  if (IsValidUtf8(value) && !value.starts_with(kBytesMark)) return wxString::FromUTF8(value);
  std::string text(kBytesMark);
  for (const char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    text += kHexDigits[byte >> 4];
    text += kHexDigits[byte & 0xF];
  }
  return wxString::FromAscii(text.c_str());
}

// A stored text back as its bytes; a mark not followed by whole pairs of digits (a file edited
// by hand) is taken as text.
std::string StoredValue(const wxString& stored) {
  std::string text(stored.utf8_str());
  if (!text.starts_with(kBytesMark)) return text;
  const std::string_view digits = std::string_view(text).substr(kBytesMark.size());
  std::string value;
  const auto digit = [](char c) -> int {
    const char* found = c == '\0' ? nullptr : std::strchr(kHexDigits, c);
    return found == nullptr ? -1 : static_cast<int>(found - kHexDigits);
  };
  if (digits.size() % 2 != 0) return text;
  for (size_t i = 0; i < digits.size(); i += 2) {
    const int high = digit(digits[i]);
    const int low = digit(digits[i + 1]);
    if (high < 0 || low < 0) return text;
    value += static_cast<char>(high << 4 | low);
  }
  return value;
}

}  // namespace

WxSettingsStore::WxSettingsStore() : WxSettingsStore(UserConfig()) {}

WxSettingsStore::WxSettingsStore(std::unique_ptr<wxConfigBase> config) : config_(std::move(config)) {
  // Paths may hold "$HOME" or "%PATH%" literally: values come back exactly as they were stored.
  config_->SetExpandEnvVars(false);
}

int WxSettingsStore::GetInt(const std::string& section, const std::string& name, int fallback) const {
  long value = fallback;
  config_->Read(Key(section, name), &value, fallback);
  return static_cast<int>(value);
}

void WxSettingsStore::SetInt(const std::string& section, const std::string& name, int value) {
  config_->Write(Key(section, name), static_cast<long>(value));
  config_->Flush();  // nothing is written at shutdown, so every value goes out at once
}

std::string WxSettingsStore::GetString(const std::string& section, const std::string& name,
                                       const std::string& fallback) const {
  wxString value;
  if (!config_->Read(Key(section, name), &value)) return fallback;
  return StoredValue(value);
}

void WxSettingsStore::SetString(const std::string& section, const std::string& name,
                                const std::string& value) {
  config_->Write(Key(section, name), StoredText(value));
  config_->Flush();
}

}  // namespace mirelon
