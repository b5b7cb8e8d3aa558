// Files as the operating system keeps them: whole regular files read with a size bound, files
// written with their data forced to the disk, and the platform's limits on names and paths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace mirelon {

// Longest file name and longest path, in bytes without a terminator.
struct PathLimits {
  size_t name;
  size_t path;
};
PathLimits NativePathLimits();

enum class FileError {
  None,
  NoPermission,  // the file or its folder may not be written (or read)
  Refused,       // not a regular file (a folder, FIFO or device), or larger than allowed
  Failed,        // anything else: missing, no space, an I/O error
  ReadFailed,    // opened, but reading broke off
};

// Reads the whole of `path` into `content` when it is a regular file of at most `maxSize` bytes.
// A FIFO or device is refused without waiting on it. After ReadFailed, `content` holds what was
// read before the error.
FileError ReadRegularFile(const std::filesystem::path& path, size_t maxSize, std::string& content);

// A file open for writing; closed on destruction without syncing.
class OutputFile {
 public:
  // Creates `path`, which must not exist yet, with the default permissions.
  static OutputFile CreateNew(const std::filesystem::path& path);
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

 private:
  OutputFile(intptr_t handle, FileError openError) : handle_(handle), openError_(openError) {}
  intptr_t handle_;
  FileError openError_;
};

// Forces the entries of `folder` (files created or renamed in it) to the disk.
bool SyncFolder(const std::filesystem::path& folder);

}  // namespace mirelon
