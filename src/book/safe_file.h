// Whole-file reading, and replacing files so that a failed or interrupted write never leaves a
// file truncated, nor a set of files written together half old and half new.
#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace mirelon {

enum class FileIoResult { Done, OpenFailed, IoFailed };

// Reads the whole file into `content`. A folder, FIFO or device, or a file of more than `maxSize`
// bytes, is refused as OpenFailed. After IoFailed, `content` holds what was read before the error.
FileIoResult ReadWholeFile(const std::filesystem::path& path, size_t maxSize, std::string& content);

struct FileContent {
  std::filesystem::path path;
  std::string_view content;
};

struct ReplaceOutcome {
  FileIoResult result = FileIoResult::Done;
  size_t failed = 0;  // index of the file that failed
};

// Replaces all of `files` or none of them. Each is written to a temporary beside it and synced;
// only when every one is complete are they renamed over the files, after a commit mark that lets
// FinishInterruptedReplace complete the renames a killed process did not. An existing file that
// may not be written is refused (OpenFailed) before anything is written; a replaced file keeps its
// permissions, and a symbolic link keeps pointing at the replaced file.
// In a folder where no file may be created, existing writable files are written in place instead,
// one after the other: nothing more can be done there.
// At most 9 files at once.
ReplaceOutcome ReplaceFiles(std::span<const FileContent> files);
FileIoResult ReplaceFile(const std::filesystem::path& path, std::string_view content);

// Completes the renames of a committed ReplaceFiles of these same `paths` that was interrupted,
// and removes the temporaries an uncommitted one left. Called before the files are read.
void FinishInterruptedReplace(std::span<const std::filesystem::path> paths);

}  // namespace mirelon
