#include "book/safe_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <random>
#include <set>
#include <system_error>
#include <vector>

#include "platform/file_system.h"

namespace mirelon {

namespace {

namespace fs = std::filesystem;

// Leftovers are named "." + the file's name (cut to fit) + ".~" + a kind + a digit (a temporary's
// place in its set, a commit mark's set size) + a token shared by the files of one replacement, so
// that they are hidden, fit wherever the file's name fits, never collide when cut names agree, and
// are recognised as the file's own by a later save.
constexpr char kTemporary = 't';
constexpr char kCommit = 'c';
constexpr size_t kTokenDigits = 8;
constexpr size_t kLeftoverTail = 4 + kTokenDigits;  // ".~", kind, place, token

fs::path FolderOf(const fs::path& path) { return path.has_parent_path() ? path.parent_path() : fs::path("."); }

fs::path Resolved(const fs::path& path) {
  std::error_code error;
  if (!fs::is_symlink(path, error)) return path;
  const fs::path resolved = fs::canonical(path, error);
  return error ? path : resolved;
}

std::string LeftoverPrefix(const fs::path& target) {
  std::string prefix = "." + target.filename().string();
  prefix.resize(std::min(prefix.size(), NativePathLimits().name - kLeftoverTail));
  return prefix + ".~";
}

fs::path LeftoverPath(const fs::path& target, char kind, size_t place, std::string_view token) {
  return target.parent_path() /
         (LeftoverPrefix(target) + kind + static_cast<char>('0' + place) + std::string(token));
}

std::string NewToken() {
  static std::mt19937_64 generator{std::random_device{}()};
  char token[kTokenDigits + 1];
  std::snprintf(token, sizeof token, "%08llx", static_cast<unsigned long long>(generator() & 0xFFFFFFFFu));
  return token;
}

// The leftovers of `target` of `kind`, whatever their place.
std::vector<fs::path> Leftovers(const fs::path& target, char kind) {
  const std::string prefix = LeftoverPrefix(target) + kind;
  std::vector<fs::path> found;
  std::error_code error;
  for (fs::directory_iterator it(FolderOf(target), error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.size() != prefix.size() + 1 + kTokenDigits || name.compare(0, prefix.size(), prefix) != 0) continue;
    const auto isHex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
    if (std::isdigit(static_cast<unsigned char>(name[prefix.size()])) &&
        std::all_of(name.begin() + static_cast<ptrdiff_t>(prefix.size()) + 1, name.end(), isHex)) {
      found.push_back(it->path());
    }
  }
  return found;
}

void SyncFolders(const std::vector<fs::path>& targets) {
  std::set<fs::path> folders;
  for (const fs::path& target : targets) folders.insert(FolderOf(target));
  // A file system that cannot sync a folder still has the renames; there is nothing better to do.
  for (const fs::path& folder : folders) SyncFolder(folder);
}

void RemoveAll(const std::vector<fs::path>& paths) {
  std::error_code error;
  for (const fs::path& path : paths) fs::remove(path, error);
}

// Opening for update neither creates nor truncates: it only asks whether writing is allowed.
bool MayWrite(const fs::path& path) {
  std::fstream probe(path, std::ios::in | std::ios::out | std::ios::binary);
  return probe.is_open();
}

// The refusals that come before anything is written: a file that may not be written, or
// something other than a file in its place.
ReplaceOutcome CheckTargets(const std::vector<fs::path>& targets) {
  for (size_t i = 0; i < targets.size(); ++i) {
    std::error_code error;
    const fs::file_status status = fs::status(targets[i], error);
    if (!fs::exists(status)) continue;
    if (!fs::is_regular_file(status) || !MayWrite(targets[i])) return {FileIoResult::OpenFailed, i};
  }
  return {};
}

// Where no file may be created, the existing files are overwritten; a missing one cannot be made.
ReplaceOutcome WriteInPlace(std::span<const FileContent> files, const std::vector<fs::path>& targets) {
  for (size_t i = 0; i < targets.size(); ++i) {
    std::error_code error;
    if (!fs::exists(targets[i], error)) return {FileIoResult::OpenFailed, i};
  }
  for (size_t i = 0; i < targets.size(); ++i) {
    OutputFile out = OutputFile::OpenExisting(targets[i]);
    if (out.openError() != FileError::None) return {FileIoResult::OpenFailed, i};
    if (!out.Write(files[i].content) || !out.SyncAndClose()) return {FileIoResult::IoFailed, i};
  }
  return {};
}

}  // namespace

FileIoResult ReadWholeFile(const fs::path& path, size_t maxSize, std::string& content) {
  switch (ReadRegularFile(path, maxSize, content)) {
    case FileError::None: return FileIoResult::Done;
    case FileError::ReadFailed: return FileIoResult::IoFailed;
    case FileError::NoPermission:
    case FileError::Refused:
    case FileError::Failed: break;
  }
  return FileIoResult::OpenFailed;
}

void FinishInterruptedReplace(std::span<const fs::path> paths) {
  if (paths.empty()) return;
  std::vector<fs::path> targets;
  for (const fs::path& path : paths) targets.push_back(Resolved(path));
  std::error_code error;
  for (const fs::path& commit : Leftovers(targets.front(), kCommit)) {
    const std::string name = commit.filename().string();
    // The mark's place digit is the size of its set: only the same set is completed.
    if (static_cast<size_t>(name[name.size() - kTokenDigits - 1] - '0') != targets.size()) continue;
    const std::string token = name.substr(name.size() - kTokenDigits);
    for (size_t i = 0; i < targets.size(); ++i) {
      const fs::path temporary = LeftoverPath(targets[i], kTemporary, i, token);
      if (fs::exists(temporary, error)) fs::rename(temporary, targets[i], error);
    }
    SyncFolders(targets);
    fs::remove(commit, error);
  }
  for (const fs::path& target : targets) RemoveAll(Leftovers(target, kTemporary));
}

ReplaceOutcome ReplaceFiles(std::span<const FileContent> files) {
  std::vector<fs::path> targets;
  for (const FileContent& file : files) targets.push_back(Resolved(file.path));
  FinishInterruptedReplace(targets);
  if (const ReplaceOutcome refused = CheckTargets(targets); refused.result != FileIoResult::Done) return refused;

  const std::string token = NewToken();
  std::vector<fs::path> temporaries;
  for (size_t i = 0; i < files.size(); ++i) {
    const fs::path temporary = LeftoverPath(targets[i], kTemporary, i, token);
    OutputFile out = OutputFile::CreateNew(temporary);
    if (out.openError() == FileError::NoPermission && temporaries.empty()) return WriteInPlace(files, targets);
    if (out.openError() != FileError::None) {
      RemoveAll(temporaries);
      return {FileIoResult::OpenFailed, i};
    }
    temporaries.push_back(temporary);
    if (!out.Write(files[i].content) || !out.SyncAndClose()) {
      RemoveAll(temporaries);
      return {FileIoResult::IoFailed, i};
    }
    std::error_code error;
    const fs::file_status existing = fs::status(targets[i], error);
    if (fs::exists(existing)) fs::permissions(temporary, existing.permissions(), error);
  }

  // From the commit mark on, the new files are the files: a killed process's renames are done by
  // the next read or save.
  const fs::path commit = LeftoverPath(targets.front(), kCommit, files.size(), token);
  if (files.size() > 1) {
    OutputFile mark = OutputFile::CreateNew(commit);
    if (mark.openError() != FileError::None || !mark.SyncAndClose()) {
      RemoveAll(temporaries);
      RemoveAll({commit});
      return {FileIoResult::IoFailed, 0};
    }
  }
  SyncFolders(targets);
  for (size_t i = 0; i < files.size(); ++i) {
    std::error_code error;
    fs::rename(temporaries[i], targets[i], error);
    if (!error) continue;
    // Before the first rename nothing is replaced yet; after it, the commit mark stays so that
    // the next read completes the set.
    if (i == 0) {
      RemoveAll(temporaries);
      RemoveAll({commit});
    }
    return {FileIoResult::OpenFailed, i};
  }
  SyncFolders(targets);
  RemoveAll({commit});
  return {};
}

FileIoResult ReplaceFile(const fs::path& path, std::string_view content) {
  const FileContent file{path, content};
  return ReplaceFiles(std::span(&file, 1)).result;
}

}  // namespace mirelon
