// The user's settings: sections of named integer and string values with defaults. The program
// stores them per user (wxConfig); tests and mirelon-tool use the in-memory store.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <utility>

#include "platform/utf8_path.h"

namespace mirelon {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual int GetInt(const std::string& section, const std::string& name, int fallback) const = 0;
  virtual void SetInt(const std::string& section, const std::string& name, int value) = 0;
  virtual std::string GetString(const std::string& section, const std::string& name,
                                const std::string& fallback) const = 0;
  virtual void SetString(const std::string& section, const std::string& name, const std::string& value) = 0;
};

class MemorySettingsStore final : public SettingsStore {
 public:
  int GetInt(const std::string& section, const std::string& name, int fallback) const override {
    const auto it = ints_.find({section, name});
    return it == ints_.end() ? fallback : it->second;
  }
  void SetInt(const std::string& section, const std::string& name, int value) override {
    ints_[{section, name}] = value;
  }
  std::string GetString(const std::string& section, const std::string& name,
                        const std::string& fallback) const override {
    const auto it = strings_.find({section, name});
    return it == strings_.end() ? fallback : it->second;
  }
  void SetString(const std::string& section, const std::string& name, const std::string& value) override {
    strings_[{section, name}] = value;
  }

 private:
  std::map<std::pair<std::string, std::string>, int> ints_;
  std::map<std::pair<std::string, std::string>, std::string> strings_;
};

// A setting that holds a path, kept as UTF-8 text (empty: none).
inline std::filesystem::path GetPathSetting(const SettingsStore& settings, const std::string& section,
                                            const std::string& name) {
  return PathFromUtf8(settings.GetString(section, name, ""));
}
inline void SetPathSetting(SettingsStore& settings, const std::string& section, const std::string& name,
                           const std::filesystem::path& path) {
  settings.SetString(section, name, PathToUtf8(path));
}

}  // namespace mirelon
