// The user's settings in wxConfig (the per-user registry on Windows, elsewhere the file
// Mirelon/Mirelon.conf in the user's configuration folder), under vendor "Ovrin Applications" and
// application "Mirelon", one group per section. Strings come back byte for byte, whatever their
// encoding (paths in the native one, the book's texts in CP932), and no environment variable in
// them is expanded.
#pragma once

#include <memory>
#include <string>

#include <wx/confbase.h>

#include "appcore/app_identity.h"
#include "platform/settings_store.h"

namespace mirelon {

class WxSettingsStore final : public SettingsStore {
 public:
  // The user's own store, its folder created when missing.
  WxSettingsStore();
  // Any wxConfig (tests give one over a temporary file).
  explicit WxSettingsStore(std::unique_ptr<wxConfigBase> config);

  int GetInt(const std::string& section, const std::string& name, int fallback) const override;
  void SetInt(const std::string& section, const std::string& name, int value) override;
  std::string GetString(const std::string& section, const std::string& name,
                        const std::string& fallback) const override;
  void SetString(const std::string& section, const std::string& name, const std::string& value) override;

 private:
  std::unique_ptr<wxConfigBase> config_;
};

}  // namespace mirelon
