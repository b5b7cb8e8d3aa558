#include "book/safe_file.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <system_error>

namespace mirelon {

namespace {

constexpr size_t kReadChunk = 64 * 1024;

std::filesystem::path TemporaryPathBeside(const std::filesystem::path& target) {
  static std::mt19937_64 generator{std::random_device{}()};
  char suffix[17];
  std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(generator()));
  return target.parent_path() / ("." + target.filename().string() + "." + suffix + ".tmp");
}

// Opening for update neither creates nor truncates: it only asks whether writing is allowed.
bool MayWrite(const std::filesystem::path& path) {
  std::fstream probe(path, std::ios::in | std::ios::out | std::ios::binary);
  return probe.is_open();
}

}  // namespace

FileIoResult ReadWholeFile(const std::filesystem::path& path, std::string& content) {
  content.clear();
  std::ifstream in(path, std::ios::binary);
  if (!in.is_open()) return FileIoResult::OpenFailed;
  char buffer[kReadChunk];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    content.append(buffer, static_cast<size_t>(in.gcount()));
  }
  return in.bad() ? FileIoResult::IoFailed : FileIoResult::Done;
}

FileIoResult ReplaceFile(const std::filesystem::path& path, std::string_view content) {
  std::error_code error;
  std::filesystem::path target = path;
  if (std::filesystem::is_symlink(target, error)) {
    const std::filesystem::path resolved = std::filesystem::canonical(target, error);
    if (!error) target = resolved;
  }
  const std::filesystem::file_status existing = std::filesystem::status(target, error);
  const bool exists = std::filesystem::exists(existing);
  if (exists && !MayWrite(target)) return FileIoResult::OpenFailed;

  const std::filesystem::path temporary = TemporaryPathBeside(target);
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out.is_open()) return FileIoResult::OpenFailed;
  out.write(content.data(), static_cast<std::streamsize>(content.size()));
  out.flush();
  out.close();
  if (out.fail()) {
    std::filesystem::remove(temporary, error);
    return FileIoResult::IoFailed;
  }
  if (exists) std::filesystem::permissions(temporary, existing.permissions(), error);
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return FileIoResult::OpenFailed;
  }
  return FileIoResult::Done;
}

}  // namespace mirelon
