// POSIX implementation of the file services.
#include "platform/file_system.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace mirelon {

namespace {

constexpr intptr_t kClosed = -1;
constexpr size_t kReadChunk = 64 * 1024;

FileError ErrorOf(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
    case EROFS: return FileError::NoPermission;
    case EISDIR:
    case ENXIO: return FileError::Refused;
    default: return FileError::Failed;
  }
}

int Descriptor(intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

PathLimits NativePathLimits() { return {NAME_MAX, PATH_MAX - 1}; }

FileError ReadRegularFile(const std::filesystem::path& path, size_t maxSize, std::string& content) {
  content.clear();
  // Non-blocking, so that opening a FIFO does not wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return ErrorOf(errno);
  struct stat info {};
  FileError result = FileError::None;
  if (::fstat(fd, &info) != 0) {
    result = FileError::Failed;
  } else if (!S_ISREG(info.st_mode) || static_cast<uintmax_t>(info.st_size) > maxSize) {
    result = FileError::Refused;
  } else {
    content.reserve(static_cast<size_t>(info.st_size));
    char buffer[kReadChunk];
    for (;;) {
      const ssize_t got = ::read(fd, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) {
        result = FileError::ReadFailed;
        break;
      }
      if (got == 0) break;
      content.append(buffer, static_cast<size_t>(got));
      if (content.size() > maxSize) {  // grew while being read
        result = FileError::Refused;
        break;
      }
    }
  }
  ::close(fd);
  return result;
}

OutputFile OutputFile::CreateNew(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  return fd < 0 ? OutputFile(kClosed, ErrorOf(errno)) : OutputFile(fd, FileError::None);
}

OutputFile OutputFile::OpenExisting(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return OutputFile(kClosed, ErrorOf(errno));
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || ::ftruncate(fd, 0) != 0) {
    ::close(fd);
    return OutputFile(kClosed, FileError::Refused);
  }
  return OutputFile(fd, FileError::None);
}

OutputFile::OutputFile(OutputFile&& other) noexcept : handle_(other.handle_), openError_(other.openError_) {
  other.handle_ = kClosed;
}

OutputFile::~OutputFile() {
  if (handle_ != kClosed) ::close(Descriptor(handle_));
}

bool OutputFile::Write(std::string_view bytes) {
  if (handle_ == kClosed) return false;
  while (!bytes.empty()) {
    const ssize_t written = ::write(Descriptor(handle_), bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

bool OutputFile::SyncAndClose() {
  if (handle_ == kClosed) return false;
  const bool synced = ::fsync(Descriptor(handle_)) == 0;
  const bool closed = ::close(Descriptor(handle_)) == 0;
  handle_ = kClosed;
  return synced && closed;
}

bool SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

}  // namespace mirelon
