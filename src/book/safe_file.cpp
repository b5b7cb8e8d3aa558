#include "book/safe_file.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <random>
#include <set>
#include <system_error>
#include <vector>

#include "platform/file_system.h"
#include "platform/utf8_path.h"

namespace mirelon {

namespace {

namespace fs = std::filesystem;

// Leftovers are named "." + the file's name (cut to fit) + ".~" + a hash of the whole name + a
// kind + a digit (a temporary's place in its set, a commit mark's set size) + a token shared by the
// files of one replacement, so that they are hidden, fit wherever the file's name fits, are the
// file's own even when cut names agree, and never collide between two replacements.
constexpr char kTemporary = 't';
constexpr char kCommit = 'c';
constexpr std::string_view kLock = "lk";
constexpr size_t kHashDigits = 16;
constexpr size_t kTokenDigits = 8;
constexpr size_t kLeftoverTail = 2 + kHashDigits + 2 + kTokenDigits;  // ".~", hash, kind, place, token

fs::path FolderOf(const fs::path& path) { return path.has_parent_path() ? path.parent_path() : fs::path("."); }

fs::path Resolved(const fs::path& path) {
  std::error_code error;
  if (!fs::is_symlink(path, error)) return path;
  const fs::path resolved = fs::canonical(path, error);
  return error ? path : resolved;
}

// FNV-1a: stable across runs and builds, which a leftover's name must be.
std::string NameHash(std::string_view name) {
  uint64_t hash = 0xcbf29ce484222325u;
  for (const char byte : name) hash = (hash ^ static_cast<unsigned char>(byte)) * 0x100000001b3u;
  char digits[kHashDigits + 1];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
  return digits;
}

// Leftover names are put together in UTF-8; the hash is of the name's UTF-8 form, the same on
// every system.
std::string LeftoverPrefix(const fs::path& target) {
  const std::string name = PathToUtf8(target.filename());
  const std::string prefix = PathToUtf8(NamePrefixLeaving(PathFromUtf8("." + name), kLeftoverTail));
  return prefix + ".~" + NameHash(name);
}

fs::path LeftoverPath(const fs::path& target, char kind, size_t place, std::string_view token) {
  return target.parent_path() /
         PathFromUtf8(LeftoverPrefix(target) + kind + static_cast<char>('0' + place) + std::string(token));
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
    const std::string name = PathToUtf8(it->path().filename());
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

// The refusals that come before anything is written: a file that may not be written, or
// something other than a file in its place.
ReplaceOutcome CheckTargets(const std::vector<fs::path>& targets) {
  for (size_t i = 0; i < targets.size(); ++i) {
    std::error_code error;
    const fs::file_status status = fs::status(targets[i], error);
    if (!fs::exists(status)) continue;
    if (!fs::is_regular_file(status)) return {FileIoResult::OpenFailed, i, FileError::Refused};
    // A file that may be written but not replaced (held open by another program on Windows)
    // would fail at its rename, after the files before it were replaced.
    if (const FileError reason = CheckReplaceable(targets[i]); reason != FileError::None) {
      return {FileIoResult::OpenFailed, i, reason};
    }
  }
  return {};
}

bool IsRefusedByFolder(FileError error) {
  return error == FileError::NoPermission || error == FileError::ReadOnlyDisk;
}

fs::path LockPath(const fs::path& first) {
  return first.parent_path() / PathFromUtf8(LeftoverPrefix(first) + std::string(kLock));
}

// Removes a commit mark; true when it is gone, so that no later read can complete its set.
bool Withdraw(const fs::path& commit) {
  std::error_code error;
  fs::remove(commit, error);
  return !fs::exists(commit, error) && !error;
}

// Completes the committed sets of `targets` and removes uncommitted temporaries; run under the
// set's lock (or for a single file), so that no save is running.
void Complete(const std::vector<fs::path>& targets) {
  if (targets.empty()) return;
  std::error_code error;
  for (const fs::path& commit : Leftovers(targets.front(), kCommit)) {
    const std::string name = PathToUtf8(commit.filename());
    // The mark's place digit is the size of its set: only the same set is completed.
    if (static_cast<size_t>(name[name.size() - kTokenDigits - 1] - '0') != targets.size()) continue;
    const std::string token = name.substr(name.size() - kTokenDigits);
    for (size_t i = 0; i < targets.size(); ++i) {
      const fs::path temporary = LeftoverPath(targets[i], kTemporary, i, token);
      if (fs::exists(temporary, error)) RenameOver(temporary, targets[i]);
    }
    SyncFolders(targets);
    fs::remove(commit, error);
  }
  for (const fs::path& target : targets) RemoveAll(Leftovers(target, kTemporary));
}

ReplaceOutcome ReplaceUnlocked(std::span<const FileContent> files) {
  std::vector<fs::path> targets;
  for (const FileContent& file : files) targets.push_back(Resolved(file.path));
  Complete(targets);
  if (const ReplaceOutcome refused = CheckTargets(targets); refused.result != FileIoResult::Done) return refused;

  const std::string token = NewToken();
  std::vector<fs::path> temporaries;
  for (size_t i = 0; i < files.size(); ++i) {
    const fs::path temporary = LeftoverPath(targets[i], kTemporary, i, token);
    std::error_code error;
    OutputFile out = fs::exists(targets[i], error) ? OutputFile::CreateLike(temporary, targets[i])
                                                    : OutputFile::CreateNew(temporary);
    if (out.openError() != FileError::None) {
      RemoveAll(temporaries);
      return {IsRefusedByFolder(out.openError()) ? FileIoResult::FolderNotWritable : FileIoResult::OpenFailed, i,
              out.openError()};
    }
    temporaries.push_back(temporary);
    if (!out.Write(files[i].content) || !out.SyncAndClose()) {
      RemoveAll(temporaries);
      return {FileIoResult::IoFailed, i, out.writeError()};
    }
  }

  // From the commit mark on, the new files are the files: a killed process's renames are done by
  // the next read or save.
  const fs::path commit = LeftoverPath(targets.front(), kCommit, files.size(), token);
  if (files.size() > 1) {
    OutputFile mark = OutputFile::CreateNew(commit);
    if (mark.openError() != FileError::None || !mark.SyncAndClose()) {
      const FileError reason = mark.openError() != FileError::None ? mark.openError() : mark.writeError();
      // A mark that stays commits the complete temporaries: then the save is only deferred.
      if (!Withdraw(commit)) return {FileIoResult::Deferred, 0, reason};
      RemoveAll(temporaries);
      return {FileIoResult::IoFailed, 0, reason};
    }
  }
  SyncFolders(targets);
  for (size_t i = 0; i < files.size(); ++i) {
    const FileError reason = RenameOver(temporaries[i], targets[i]);
    if (reason == FileError::None) continue;
    // Before the first rename nothing is replaced yet: the save is undone if its mark can be
    // withdrawn. Otherwise the mark stays, and the next read or save completes the set.
    if (i == 0 && (files.size() == 1 || Withdraw(commit))) {
      RemoveAll(temporaries);
      return {FileIoResult::OpenFailed, 0, reason};
    }
    return {FileIoResult::Deferred, i, reason};
  }
  SyncFolders(targets);
  RemoveAll({commit});
  return {};
}

}  // namespace

FileIoResult ReadWholeFile(const fs::path& path, size_t maxSize, std::string& content, FileError* reason) {
  const FileError error = ReadRegularFile(path, maxSize, content);
  if (reason) *reason = error;
  switch (error) {
    case FileError::None: return FileIoResult::Done;
    case FileError::ReadFailed: return FileIoResult::IoFailed;
    default: break;
  }
  return FileIoResult::OpenFailed;
}

FamilyLock::FamilyLock(const fs::path& first, std::chrono::milliseconds wait)
    : lock_(FileLock::Acquire(LockPath(Resolved(first)), wait)) {}

void FinishInterruptedReplace(const FamilyLock&, std::span<const fs::path> paths) {
  std::vector<fs::path> targets;
  for (const fs::path& path : paths) targets.push_back(Resolved(path));
  Complete(targets);
}

ReplaceOutcome ReplaceFiles(std::span<const FileContent> files) {
  if (files.size() < 2) return ReplaceUnlocked(files);
  const FamilyLock lock(files.front().path);
  if (lock.busy()) return {FileIoResult::Busy, 0, FileError::None};
  return ReplaceUnlocked(files);
}

FileIoResult ReplaceFile(const fs::path& path, std::string_view content) {
  const FileContent file{path, content};
  return ReplaceFiles(std::span(&file, 1)).result;
}

}  // namespace mirelon
