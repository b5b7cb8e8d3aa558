// POSIX implementation of the file services.
#include "platform/file_system.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <thread>

namespace mirelon {

namespace {

constexpr intptr_t kClosed = -1;
constexpr size_t kReadChunk = 64 * 1024;

constexpr auto kLockPoll = std::chrono::milliseconds(20);

FileError ErrorOf(int error) {
  switch (error) {
    case EACCES:
    case EPERM: return FileError::NoPermission;
    case EROFS: return FileError::ReadOnlyDisk;
    case ENOSPC:
    case EDQUOT: return FileError::NoSpace;
    case EFBIG: return FileError::TooLarge;
    case EISDIR:
    case ENXIO: return FileError::Refused;
    default: return FileError::Failed;
  }
}

int Descriptor(intptr_t handle) { return static_cast<int>(handle); }

}  // namespace

bool FitsPathLimits(const std::filesystem::path& path) {
  return path.filename().native().size() <= NAME_MAX && path.native().size() <= PATH_MAX - 1;
}

std::filesystem::path NamePrefixLeaving(const std::filesystem::path& name, size_t reserve) {
  const std::string& bytes = name.native();
  if (reserve >= NAME_MAX) return {};
  size_t size = std::min(bytes.size(), NAME_MAX - reserve);
  // Names are bytes here, in UTF-8 by convention: a cut never ends before a continuation byte.
  while (size > 0 && size < bytes.size() && (static_cast<unsigned char>(bytes[size]) & 0xC0) == 0x80) --size;
  return bytes.substr(0, size);
}

namespace {

// Opens `path` for reading when it is a regular file of at most `maxSize` bytes; its size in `size`.
FileError OpenRegular(const std::filesystem::path& path, size_t maxSize, int& fd, size_t& size) {
  // Non-blocking, so that opening a FIFO does not wait for a writer.
  fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return ErrorOf(errno);
  struct stat info {};
  FileError result = FileError::None;
  if (::fstat(fd, &info) != 0) {
    result = FileError::Failed;
  } else if (!S_ISREG(info.st_mode) || static_cast<uintmax_t>(info.st_size) > maxSize) {
    result = FileError::Refused;
  }
  if (result != FileError::None) ::close(fd);
  size = static_cast<size_t>(info.st_size);
  return result;
}

FileError ReadPieces(int fd, size_t maxSize, const std::function<void(std::string_view)>& take) {
  char buffer[kReadChunk];
  size_t total = 0;
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return FileError::ReadFailed;
    if (got == 0) return FileError::None;
    total += static_cast<size_t>(got);
    if (total > maxSize) return FileError::Refused;  // grew while being read
    take(std::string_view(buffer, static_cast<size_t>(got)));
  }
}

}  // namespace

FileError ReadRegularFile(const std::filesystem::path& path, size_t maxSize, std::string& content) {
  content.clear();
  int fd = -1;
  size_t size = 0;
  FileError result = OpenRegular(path, maxSize, fd, size);
  if (result != FileError::None) return result;
  content.reserve(size);
  result = ReadPieces(fd, maxSize, [&content](std::string_view piece) { content.append(piece); });
  ::close(fd);
  return result;
}

FileError ReadRegularFilePieces(const std::filesystem::path& path, size_t maxSize,
                                const std::function<void(std::string_view)>& take) {
  int fd = -1;
  size_t size = 0;
  FileError result = OpenRegular(path, maxSize, fd, size);
  if (result != FileError::None) return result;
  result = ReadPieces(fd, maxSize, take);
  ::close(fd);
  return result;
}

OutputFile OutputFile::CreateNew(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  return fd < 0 ? OutputFile(kClosed, ErrorOf(errno)) : OutputFile(fd, FileError::None);
}

OutputFile OutputFile::CreateLike(const std::filesystem::path& path, const std::filesystem::path& model) {
  struct stat info {};
  if (::stat(model.c_str(), &info) != 0) return CreateNew(path);
  // Created for the owner alone, then given the model's bits: the umask cannot widen them, and
  // nobody else can open the file in between.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return OutputFile(kClosed, ErrorOf(errno));
  // Owner and group first: changing them clears set-id bits, which the mode then restores. What
  // the process may not change keeps the creator's (a user's file saved by another user).
  if (::fchown(fd, info.st_uid, info.st_gid) != 0) {
    [[maybe_unused]] const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), info.st_gid);
  }
  [[maybe_unused]] const int mode = ::fchmod(fd, info.st_mode & 07777);
  return OutputFile(fd, FileError::None);
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
    if (written <= 0) {
      writeError_ = written < 0 ? ErrorOf(errno) : FileError::NoSpace;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

bool OutputFile::SyncAndClose() {
  if (handle_ == kClosed) return false;
  const bool synced = ::fsync(Descriptor(handle_)) == 0;
  if (!synced) writeError_ = ErrorOf(errno);
  const bool closed = ::close(Descriptor(handle_)) == 0;
  if (synced && !closed) writeError_ = ErrorOf(errno);
  handle_ = kClosed;
  return synced && closed;
}

FileLock FileLock::Acquire(const std::filesystem::path& lockFile, std::chrono::milliseconds wait) {
  int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
  // A lock file another user made read-only for us still locks.
  if (fd < 0) fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return FileLock(kClosed, State::Unavailable);
  const auto until = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return FileLock(fd, State::Held);
    if (errno != EWOULDBLOCK && errno != EINTR) break;
    if (std::chrono::steady_clock::now() >= until) {
      ::close(fd);
      return FileLock(kClosed, State::Busy);
    }
    std::this_thread::sleep_for(kLockPoll);
  }
  // A file system without locks: nothing can be excluded there.
  ::close(fd);
  return FileLock(kClosed, State::Unavailable);
}

FileLock::FileLock(FileLock&& other) noexcept : handle_(other.handle_), state_(other.state_) {
  other.handle_ = kClosed;
}

FileLock::~FileLock() {
  if (handle_ != kClosed) ::close(Descriptor(handle_));
}

FileError CheckReplaceable(const std::filesystem::path& path) {
  // Opening for writing neither creates nor truncates: it only asks whether writing is allowed.
  // A rename over the file needs nothing of the file itself.
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return errno == ENXIO ? FileError::Refused : ErrorOf(errno);
  ::close(fd);
  return FileError::None;
}

FileError RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  return ::rename(from.c_str(), to.c_str()) == 0 ? FileError::None : ErrorOf(errno);
}

bool SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

}  // namespace mirelon
