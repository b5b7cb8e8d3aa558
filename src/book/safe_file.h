// Whole-file reading, and replacing files so that a failed or interrupted write never leaves a
// file truncated, nor a set of files written together half old and half new.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace mirelon {

enum class FileIoResult {
  Done,
  OpenFailed,
  IoFailed,
  FolderNotWritable,  // no file may be created beside the files: nothing was written
  Busy,               // another save or read of the same files held them for the whole wait
  Deferred,           // the new files are committed but not all in place: the next read or save
                      // of the same files puts them in place (never undone)
};

// Reads the whole file into `content`. A folder, FIFO or device, or a file of more than `maxSize`
// bytes, is refused as OpenFailed. After IoFailed, `content` holds what was read before the error.
// `reason`, when given, receives the system's reason for a failure.
FileIoResult ReadWholeFile(const std::filesystem::path& path, size_t maxSize, std::string& content,
                           FileError* reason = nullptr);

struct FileContent {
  std::filesystem::path path;
  std::string_view content;
};

struct ReplaceOutcome {
  FileIoResult result = FileIoResult::Done;
  size_t failed = 0;                   // index of the file that failed
  FileError reason = FileError::None;  // the system's reason, where it gave one
};

// How long a read or save waits for another one of the same files before it gives up (Busy).
inline constexpr std::chrono::milliseconds kFamilyLockWait{3000};

// Holds a set of files, named by its first member, against the reads and saves of the same set by
// other processes and windows: a save, and a read with the completion of an interrupted save
// before it, each run under it. The lock file is a hidden file beside the first member that stays.
// Where it cannot be made (a folder that may not be written) nothing is held, and nothing needs
// to be: no save, and no completion, can happen there.
class FamilyLock {
 public:
  explicit FamilyLock(const std::filesystem::path& first, std::chrono::milliseconds wait = kFamilyLockWait);
  bool busy() const { return lock_.state() == FileLock::State::Busy; }

 private:
  FileLock lock_;
};

// Replaces all of `files` or none of them, a set of several under its FamilyLock (a single file
// needs none: a rename replaces it whole, and of two saves at once one may fail). Each is written to a
// temporary beside it and synced; only when every one is complete are they renamed over the
// files, after a commit mark that lets FinishInterruptedReplace complete the renames a killed
// process did not.
// - An existing file that may not be written is refused (OpenFailed) before anything is written;
//   so is a folder where no temporary may be created (FolderNotWritable): files are never written
//   in place, where a failure or a kill would leave them half written.
// - A failure before the commit mark replaces nothing. A rename that fails after it is rolled back
//   when nothing was replaced yet and the mark can be withdrawn; otherwise the result is Deferred
//   and the set is completed later, never reported as failed.
// - A temporary is created with the permission bits of the file it replaces (never readable by
//   more users) and its owner and group where the process may set them; a symbolic link keeps
//   pointing at the replaced file. A file with other hard links is replaced by a new file: its
//   other names keep the old content.
// - Temporaries and marks are named from a hash of the whole file name, so files whose names
//   agree in a long beginning never take each other's.
// At most 9 files at once.
ReplaceOutcome ReplaceFiles(std::span<const FileContent> files);
FileIoResult ReplaceFile(const std::filesystem::path& path, std::string_view content);

// Completes the renames of a committed ReplaceFiles of these same `paths` that was interrupted,
// and removes the temporaries an uncommitted one left. Called before the files are read, under
// the FamilyLock of `paths.front()`.
void FinishInterruptedReplace(const FamilyLock& held, std::span<const std::filesystem::path> paths);

}  // namespace mirelon
