// Files as the operating system keeps them: whole regular files read with a size bound, files
// written with their data forced to the disk, renames that replace, advisory locks between
// processes, and the platform's limits on names and paths. Everything a durable replacement needs
// of the system is here (creation flags, syncing a file and its folder, the replacing rename).
#pragma once

#include <cstddef>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace mirelon {

// Whether `path` keeps within the platform's limits: its file name and the whole path, each
// counted in the units the system counts (bytes of a name here, UTF-16 units where names are wide;
// on Windows also the folder part, 255 units with its separators).
bool FitsPathLimits(const std::filesystem::path& path);

// The longest beginning of the file name `name` that leaves room for `reserve` more ASCII
// characters within the platform's limit on one name. A character is never cut in two, so the
// result is a name of its own in any encoding.
std::filesystem::path NamePrefixLeaving(const std::filesystem::path& name, size_t reserve);

enum class FileError {
  None,
  NoPermission,  // the file or its folder may not be written (or read)
  ReadOnlyDisk,  // the file system is mounted read-only
  NoSpace,       // the disk (or the user's quota) is full
  TooLarge,      // over the process's or the file system's file-size limit
  Refused,       // not a regular file (a folder, FIFO or device), or larger than allowed
  InUse,         // another program holds it open and lets nobody write or replace it (Windows)
  Failed,        // anything else: missing, an I/O error
  ReadFailed,    // opened, but reading broke off
};

// Reads the whole of `path` into `content` when it is a regular file of at most `maxSize` bytes.
// A FIFO or device is refused without waiting on it. After ReadFailed, `content` holds what was
// read before the error.
FileError ReadRegularFile(const std::filesystem::path& path, size_t maxSize, std::string& content);

// The same file under the same rules, handed to `take` in pieces of at most 64 KiB in order and
// never held whole: a search through a large file need not touch fresh memory for every page of it.
FileError ReadRegularFilePieces(const std::filesystem::path& path, size_t maxSize,
                                const std::function<void(std::string_view)>& take);

// A file open for writing; closed on destruction without syncing.
class OutputFile {
 public:
  // Creates `path`, which must not exist yet, with the default permissions.
  static OutputFile CreateNew(const std::filesystem::path& path);
  // Creates `path`, which must not exist yet, with the permission bits of the existing file
  // `model` from the start (never readable by more users than `model` is), and its owner and
  // group where the process may set them (root; a group the user belongs to).
  static OutputFile CreateLike(const std::filesystem::path& path, const std::filesystem::path& model);
  // Opens the existing regular file `path` and empties it.
  static OutputFile OpenExisting(const std::filesystem::path& path);

  OutputFile(OutputFile&& other) noexcept;
  OutputFile& operator=(OutputFile&&) = delete;
  OutputFile(const OutputFile&) = delete;
  ~OutputFile();

  // Why opening failed, or None when the file is open.
  FileError openError() const { return openError_; }
  // Writes all of `bytes`; false on any error (no space, the file-size limit).
  bool Write(std::string_view bytes);
  // Forces the data to the disk and closes the file; false if either failed.
  bool SyncAndClose();
  // Why the last Write or SyncAndClose failed, or None.
  FileError writeError() const { return writeError_; }

 private:
  OutputFile(intptr_t handle, FileError openError) : handle_(handle), openError_(openError) {}
  intptr_t handle_;
  FileError openError_;
  FileError writeError_ = FileError::None;
};

// An exclusive advisory lock on a file, held until destruction. It excludes every other holder,
// in this process too (two windows), but binds only code that takes it: it guards the program's
// own reads and saves against each other, not against other programs.
class FileLock {
 public:
  enum class State {
    Held,
    Busy,         // another holder kept it for the whole wait
    Unavailable,  // the lock file can neither be created nor opened (a folder that may not be written)
  };
  // Opens `lockFile`, creating it if needed (it is never removed: removing a lock file lets two
  // processes lock two different files), and waits up to `wait` for the lock.
  static FileLock Acquire(const std::filesystem::path& lockFile, std::chrono::milliseconds wait);

  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&&) = delete;
  FileLock(const FileLock&) = delete;
  ~FileLock();

  State state() const { return state_; }

 private:
  FileLock(intptr_t handle, State state) : handle_(handle), state_(state) {}
  intptr_t handle_;
  State state_;
};

// Forces the entries of `folder` (files created or renamed in it) to the disk; true also where
// the system keeps them durable without being asked (Windows: RenameOver writes through).
bool SyncFolder(const std::filesystem::path& folder);

// Whether the existing file `path` may be replaced now: written, and renamed over. None, or why
// not (NoPermission, ReadOnlyDisk, InUse; Refused for what is not a regular file).
FileError CheckReplaceable(const std::filesystem::path& path);

// Puts `from` in the place of `to` in one step (no moment without a file `to`), both in one folder;
// a file `to` had is replaced, and its other hard links keep the old content.
FileError RenameOver(const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace mirelon
