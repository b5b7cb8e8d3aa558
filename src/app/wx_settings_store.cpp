#include "app/wx_settings_store.h"

#include <wx/config.h>

namespace mirelon {
namespace {

wxString Key(const std::string& section, const std::string& name) {
  return "/" + wxString::FromUTF8(section) + "/" + wxString::FromUTF8(name);
}

}  // namespace

WxSettingsStore::WxSettingsStore()
    : config_(std::make_unique<wxConfig>(kApplicationName, kVendorName, wxEmptyString, wxEmptyString,
                                         wxCONFIG_USE_LOCAL_FILE | wxCONFIG_USE_SUBDIR)) {}

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
