#include "gui/kit/wx_settings_store.h"

#include <type_traits>

#include <wx/config.h>
#include <wx/fileconf.h>
#include <wx/filename.h>

namespace mirelon {
namespace {

constexpr long kUserConfigStyle = wxCONFIG_USE_LOCAL_FILE | wxCONFIG_USE_SUBDIR;

// A file-based store keeps its file in a folder of the program's own, which wxFileConfig does
// not create: without it the first value written on a fresh account would fail.
std::unique_ptr<wxConfig> UserConfig() {
  if constexpr (std::is_base_of_v<wxFileConfig, wxConfig>) {
    const wxFileName file(wxFileConfig::GetLocalFileName(kApplicationName, kUserConfigStyle));
    if (!file.DirExists()) wxFileName::Mkdir(file.GetPath(), wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL);
  }
  return std::make_unique<wxConfig>(kApplicationName, kVendorName, wxEmptyString, wxEmptyString, kUserConfigStyle);
}

wxString Key(const std::string& section, const std::string& name) {
  return "/" + wxString::FromUTF8(section) + "/" + wxString::FromUTF8(name);
}

}  // namespace

WxSettingsStore::WxSettingsStore() : config_(UserConfig()) {}

WxSettingsStore::WxSettingsStore(std::unique_ptr<wxConfigBase> config) : config_(std::move(config)) {}

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
  return std::string(value.utf8_str());
}

void WxSettingsStore::SetString(const std::string& section, const std::string& name,
                                const std::string& value) {
  config_->Write(Key(section, name), wxString::FromUTF8(value));
  config_->Flush();
}

}  // namespace mirelon
