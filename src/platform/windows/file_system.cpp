// Win32 implementation of the file services. Files are opened sharing everything with other
// processes, as POSIX files are, so that the program never blocks another program's read or save
// of a book; what another program holds without sharing is refused, never waited for.
#include "platform/file_system.h"

#include <windows.h>
#include <aclapi.h>

#include <algorithm>
#include <thread>

namespace mirelon {

namespace {

const intptr_t kClosed = reinterpret_cast<intptr_t>(INVALID_HANDLE_VALUE);
constexpr DWORD kReadChunk = 64 * 1024;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr auto kLockPoll = std::chrono::milliseconds(20);

// A name of at most 255 UTF-16 units, and the folder, name and extension parts of a path each
// within 256 with its terminator (a drive within 3).
constexpr size_t kNameMax = 255;
// Long paths are refused by the system unless it and the program enable them; the wide calls
// themselves take up to 32767 units.
constexpr size_t kPathMax = 32767 - 1;

FileError ErrorOf(DWORD error) {
  switch (error) {
    case ERROR_ACCESS_DENIED: return FileError::NoPermission;
    case ERROR_SHARING_VIOLATION:  // another program holds it without sharing (an open spreadsheet)
    case ERROR_LOCK_VIOLATION: return FileError::InUse;
    case ERROR_WRITE_PROTECT: return FileError::ReadOnlyDisk;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return FileError::NoSpace;
    case ERROR_FILE_TOO_LARGE: return FileError::TooLarge;
    case ERROR_DIRECTORY:
    case ERROR_PIPE_BUSY:
    case ERROR_BAD_PIPE: return FileError::Refused;
    default: return FileError::Failed;
  }
}

HANDLE Handle(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }
intptr_t Stored(HANDLE handle) { return reinterpret_cast<intptr_t>(handle); }

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

}  // namespace

bool FitsPathLimits(const std::filesystem::path& path) {
  const std::wstring& whole = path.native();
  const size_t drive = path.root_name().native().size();
  const size_t name = path.filename().native().size();
  // The folder part keeps its trailing separator; a UNC share counts as folder, not drive.
  const bool isDrive = drive == 2;
  const size_t folder = whole.size() - name - (isDrive ? drive : 0);
  return name <= kNameMax && folder <= kNameMax && whole.size() <= kPathMax;
}

std::filesystem::path NamePrefixLeaving(const std::filesystem::path& name, size_t reserve) {
  const std::wstring& units = name.native();
  if (reserve >= kNameMax) return {};
  size_t size = std::min(units.size(), kNameMax - reserve);
  // A surrogate pair is one character: a cut never parts it.
  if (size > 0 && size < units.size() && IsHighSurrogate(units[size - 1])) --size;
  return units.substr(0, size);
}

namespace {

// Opens `path` for reading when it is a regular file of at most `maxSize` bytes. Folders open
// (backup semantics) only to be refused like pipes and devices.
FileError OpenRegular(const std::filesystem::path& path, size_t maxSize, HANDLE& file) {
  file = CreateFileW(path.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return ErrorOf(GetLastError());
  FILE_STANDARD_INFO info{};
  FileError result = FileError::None;
  if (GetFileType(file) != FILE_TYPE_DISK) {
    result = FileError::Refused;
  } else if (!GetFileInformationByHandleEx(file, FileStandardInfo, &info, sizeof info)) {
    result = FileError::Failed;
  } else if (info.Directory || static_cast<uint64_t>(info.EndOfFile.QuadPart) > maxSize) {
    result = FileError::Refused;
  }
  if (result != FileError::None) CloseHandle(file);
  return result;
}

FileError ReadPieces(HANDLE file, size_t maxSize, const std::function<void(std::string_view)>& take) {
  std::string buffer(kReadChunk, '\0');
  size_t total = 0;
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file, buffer.data(), kReadChunk, &got, nullptr)) return FileError::ReadFailed;
    if (got == 0) return FileError::None;
    total += got;
    if (total > maxSize) return FileError::Refused;  // grew while being read
    take(std::string_view(buffer.data(), got));
  }
}

}  // namespace

FileError ReadRegularFilePieces(const std::filesystem::path& path, size_t maxSize,
                                const std::function<void(std::string_view)>& take) {
  HANDLE file = INVALID_HANDLE_VALUE;
  FileError result = OpenRegular(path, maxSize, file);
  if (result != FileError::None) return result;
  result = ReadPieces(file, maxSize, take);
  CloseHandle(file);
  return result;
}

FileError ReadRegularFile(const std::filesystem::path& path, size_t maxSize, std::string& content) {
  content.clear();
  return ReadRegularFilePieces(path, maxSize, [&content](std::string_view piece) { content.append(piece); });
}

namespace {

HANDLE CreateFresh(const std::filesystem::path& path, SECURITY_ATTRIBUTES* security, DWORD attributes) {
  return CreateFileW(path.c_str(), GENERIC_WRITE, kShareAll, security, CREATE_NEW,
                     attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Whether the access list is just what the folder hands down: a file created beside it gets the
// same one, and follows the folder's later changes as the old file did.
bool OnlyInherited(PSECURITY_DESCRIPTOR descriptor, PACL access) {
  SECURITY_DESCRIPTOR_CONTROL control = 0;
  DWORD revision = 0;
  if (access == nullptr || !GetSecurityDescriptorControl(descriptor, &control, &revision) ||
      (control & SE_DACL_PROTECTED) != 0) {
    return false;
  }
  for (DWORD i = 0; i < access->AceCount; ++i) {
    ACE_HEADER* entry = nullptr;
    if (!GetAce(access, i, reinterpret_cast<void**>(&entry)) || (entry->AceFlags & INHERITED_ACE) == 0) return false;
  }
  return true;
}

}  // namespace

OutputFile OutputFile::CreateNew(const std::filesystem::path& path) {
  const HANDLE file = CreateFresh(path, nullptr, 0);
  return file == INVALID_HANDLE_VALUE ? OutputFile(kClosed, ErrorOf(GetLastError())) : OutputFile(Stored(file), FileError::None);
}

OutputFile OutputFile::CreateLike(const std::filesystem::path& path, const std::filesystem::path& model) {
  // The model's hidden and system marks stay. A model with an access list of its own passes it
  // to the new file from its creation on: the one the folder would hand down may let more users
  // read it, and nobody may open the file in between. The owner is the creator's, as Windows
  // sets it.
  const DWORD modelAttributes = GetFileAttributesW(model.c_str());
  const DWORD kept = modelAttributes == INVALID_FILE_ATTRIBUTES
                         ? 0
                         : modelAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
  PACL access = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  const bool read = GetNamedSecurityInfoW(model.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                          &access, nullptr, &descriptor) == ERROR_SUCCESS;
  SECURITY_DESCRIPTOR own{};
  SECURITY_ATTRIBUTES security{sizeof security, &own, FALSE};
  // Without a readable list of its own, the new file takes what the folder hands down.
  const bool fromFolder = !read || OnlyInherited(descriptor, access);
  if (!fromFolder) {
    // Its inherited entries are taken as they are, so the folder hands down nothing more.
    InitializeSecurityDescriptor(&own, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&own, TRUE, access, FALSE);
    SetSecurityDescriptorControl(&own, SE_DACL_PROTECTED, SE_DACL_PROTECTED);
  }
  const HANDLE file = CreateFresh(path, fromFolder ? nullptr : &security, kept);
  const DWORD error = GetLastError();
  LocalFree(descriptor);
  return file == INVALID_HANDLE_VALUE ? OutputFile(kClosed, ErrorOf(error)) : OutputFile(Stored(file), FileError::None);
}

OutputFile OutputFile::OpenExisting(const std::filesystem::path& path) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return OutputFile(kClosed, ErrorOf(GetLastError()));
  if (GetFileType(file) != FILE_TYPE_DISK || !SetEndOfFile(file)) {
    CloseHandle(file);
    return OutputFile(kClosed, FileError::Refused);
  }
  return OutputFile(Stored(file), FileError::None);
}

OutputFile::OutputFile(OutputFile&& other) noexcept : handle_(other.handle_), openError_(other.openError_) {
  other.handle_ = kClosed;
}

OutputFile::~OutputFile() {
  if (handle_ != kClosed) CloseHandle(Handle(handle_));
}

bool OutputFile::Write(std::string_view bytes) {
  if (handle_ == kClosed) return false;
  while (!bytes.empty()) {
    const DWORD piece = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(Handle(handle_), bytes.data(), piece, &written, nullptr)) {
      writeError_ = ErrorOf(GetLastError());
      return false;
    }
    if (written == 0) {
      writeError_ = FileError::NoSpace;
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

bool OutputFile::SyncAndClose() {
  if (handle_ == kClosed) return false;
  const bool synced = FlushFileBuffers(Handle(handle_)) != 0;
  if (!synced) writeError_ = ErrorOf(GetLastError());
  const bool closed = CloseHandle(Handle(handle_)) != 0;
  if (synced && !closed) writeError_ = ErrorOf(GetLastError());
  handle_ = kClosed;
  return synced && closed;
}

FileLock FileLock::Acquire(const std::filesystem::path& lockFile, std::chrono::milliseconds wait) {
  // Hidden, as its leading dot hides it elsewhere. A lock file made read-only for us still locks.
  HANDLE file = CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE, kShareAll, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_HIDDEN, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    file = CreateFileW(lockFile.c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  if (file == INVALID_HANDLE_VALUE) return FileLock(kClosed, State::Unavailable);
  const auto until = std::chrono::steady_clock::now() + wait;
  for (;;) {
    // A byte-range lock belongs to its handle: a second handle in this process is excluded too.
    OVERLAPPED range{};
    if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &range)) {
      return FileLock(Stored(file), State::Held);
    }
    if (GetLastError() != ERROR_LOCK_VIOLATION) break;
    if (std::chrono::steady_clock::now() >= until) {
      CloseHandle(file);
      return FileLock(kClosed, State::Busy);
    }
    std::this_thread::sleep_for(kLockPoll);
  }
  // A file system without locks: nothing can be excluded there.
  CloseHandle(file);
  return FileLock(kClosed, State::Unavailable);
}

FileLock::FileLock(FileLock&& other) noexcept : handle_(other.handle_), state_(other.state_) {
  other.handle_ = kClosed;
}

FileLock::~FileLock() {
  if (handle_ == kClosed) return;
  // Unlocked before the close: a closed handle's lock is released only when the system gets to it.
  OVERLAPPED range{};
  UnlockFileEx(Handle(handle_), 0, 1, 0, &range);
  CloseHandle(Handle(handle_));
}

FileError CheckReplaceable(const std::filesystem::path& path) {
  // Asked for as the rename will need it: a program that opened the file without sharing its
  // deletion keeps it from being replaced, even where it lets it be written.
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, kShareAll, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return ErrorOf(GetLastError());
  CloseHandle(file);
  return FileError::None;
}

FileError RenameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
  // Write-through: the call returns once the rename is on the disk, which is what a folder's sync
  // gives elsewhere. `from` was flushed when it was closed (OutputFile::SyncAndClose).
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
             ? FileError::None
             : ErrorOf(GetLastError());
}

bool SyncFolder(const std::filesystem::path& folder) {
  // A folder cannot be flushed here. NTFS journals its entries; renames are written through
  // (RenameOver) and a created file's entry goes out with its data (FlushFileBuffers). Removals
  // are not forced: after a crash a removed leftover may be back, which the next read clears.
  const DWORD attributes = GetFileAttributesW(folder.empty() ? L"." : folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace mirelon
