// Another program keeping a file open, as a viewer or the C runtime's default open does: the file
// may be read and written meanwhile, but not replaced.
#pragma once

#include <filesystem>
#include <memory>

#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/utf8_path.h"

namespace mirelon::test {

// The probe program holds the file from construction (once it does) for a second and a half;
// destruction waits until it has let go, so that the file may be removed.
class HoldingProgram {
 public:
  explicit HoldingProgram(const std::filesystem::path& path)
      : holder_(StartedProcess::Start({PathFromUtf8(MIRELON_PROCESS_PROBE), "--hold", path, "1500"})) {
    PollWhile([&] { return holder_ && CheckReplaceable(path) != FileError::InUse; }, std::chrono::seconds(5), {});
  }
  ~HoldingProgram() {
    if (holder_) PollWhile([&] { return holder_->Running(); }, std::chrono::seconds(5), {});
  }
  HoldingProgram(const HoldingProgram&) = delete;
  HoldingProgram& operator=(const HoldingProgram&) = delete;

  bool started() const { return holder_ != nullptr; }

 private:
  std::unique_ptr<StartedProcess> holder_;
};

}  // namespace mirelon::test
