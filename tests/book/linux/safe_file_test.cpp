// Replacing files where POSIX decides: permissions for a user who is not root, the file-size
// limit, FIFOs and devices, the new file's mode and owner, and saves killed by a signal.
#include "book/safe_file.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <random>
#include <thread>

#include "book/book_files.h"
#include "safe_file_support.h"

namespace mirelon {
namespace {

namespace fs = std::filesystem;
using test::Encoded;
using test::Entries;
using test::ReadBytes;
using test::SafeFile;
using test::WriteBytes;

constexpr uid_t kNobody = 65534;

// Runs `action` in a child process without root's power over permissions, so that read-only
// files and folders refuse as they do for a user; returns its exit code.
int RunAsUser(const fs::path& folder, const std::function<int()>& action) {
  if (geteuid() == 0) {
    for (const auto& entry : fs::recursive_directory_iterator(folder)) lchown(entry.path().c_str(), kNobody, kNobody);
    chown(folder.c_str(), kNobody, kNobody);
  }
  const pid_t child = fork();
  if (child == 0) {
    if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(99);
    _exit(action());
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(SafeFile, AFailureAtAnyFileReplacesNoneAndLeavesNothingBehind) {
  const std::string large(64 * 1024, 'x');
  struct Case {
    const char* what;
    std::function<void()> prepare;
    std::function<int()> replace;
    int expected;
  };
  const auto replace = [this](std::string_view third) {
    return [this, third] {
      const std::vector<FileContent> files = NewContents(third);
      return Encoded(ReplaceFiles(files));
    };
  };
  const std::vector<Case> cases = {
      {"read-only second file", [this] { fs::permissions(paths_[1], fs::perms::owner_read); },
       replace("new 2"), 11},
      {"third file over the file-size limit", [] {},
       [&] {
         signal(SIGXFSZ, SIG_IGN);
         const rlimit limit{16 * 1024, 16 * 1024};
         setrlimit(RLIMIT_FSIZE, &limit);
         return replace(large)();
       },
       22},
      {"folder in place of the third",
       [this] {
         fs::remove(paths_[2]);
         fs::create_directory(paths_[2]);
         WriteBytes(paths_[2] / "x", "");
       },
       replace("new 2"), 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (size_t i = 0; i < 3; ++i) {
      fs::remove_all(paths_[i]);
      WriteBytes(paths_[i], "old " + std::to_string(i));
    }
    c.prepare();
    const std::vector<std::string> before = Entries(folder_.path());
    EXPECT_EQ(RunAsUser(folder_.path(), c.replace), c.expected);
    if (fs::is_regular_file(paths_[2])) ExpectOld();
    EXPECT_EQ(Entries(folder_.path()), before);
  }
}

// Written in place, a failure or a kill would leave a family half written: such a folder is
// refused before anything is written, also when every file is writable.
TEST_F(SafeFile, AFolderThatAllowsNoNewFilesIsNeverWrittenInPlace) {
  for (const fs::path& path : paths_) fs::permissions(path, fs::perms::all & ~fs::perms::owner_exec);
  fs::permissions(folder_.path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                      fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
  const std::vector<FileContent> files = NewContents();
  EXPECT_EQ(RunAsUser(folder_.path(), [&] { return Encoded(ReplaceFiles(files)); }),
            static_cast<int>(FileIoResult::FolderNotWritable) * 10);
  ExpectOld();
  fs::permissions(folder_.path(), fs::perms::owner_all);
}

// A temporary is readable by nobody the replaced file was not readable by, and keeps its owner.
TEST_F(SafeFile, TheNewFileKeepsModeOwnerAndGroup) {
  fs::permissions(paths_[0], fs::perms::owner_read | fs::perms::owner_write);
  if (geteuid() == 0) {
    ASSERT_EQ(chown(paths_[0].c_str(), kNobody, kNobody), 0);
  }
  struct stat before {};
  ASSERT_EQ(stat(paths_[0].c_str(), &before), 0);
  const mode_t oldMask = umask(0);  // a wide umask must not widen the new file
  const std::vector<FileContent> files = NewContents();
  EXPECT_EQ(ReplaceFiles(files).result, FileIoResult::Done);
  umask(oldMask);
  struct stat after {};
  ASSERT_EQ(stat(paths_[0].c_str(), &after), 0);
  EXPECT_EQ(after.st_mode & 07777, 0600u);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
  EXPECT_EQ(ReadBytes(paths_[0]), "new 0");
}

TEST_F(SafeFile, FifosAndDevicesAreNotRead) {
  ASSERT_EQ(mkfifo((folder_ / "fifo.csv").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", folder_ / "zero.csv");
  std::string content;
  for (const char* name : {"fifo.csv", "zero.csv"}) {
    EXPECT_EQ(ReadWholeFile(folder_ / name, 1000, content), FileIoResult::OpenFailed) << name;
  }
}

// Whether a book read from a family of the two versions below is of one of them: the version's
// year (history file) and address letter (send and no-send files) agree in every record.
bool IsOneVersion(const AddressBook& book) {
  for (const AddressRecord& record : book.records()) {
    if (record.address1.empty() || record.address1[0] - 'a' != book.year - 2000) return false;
  }
  return book.recordCount() == kBookCapacity;
}

// A process saving a large book over and over, killed at random moments: afterwards (once the
// next read has completed a committed save) the three files are all of the old version or all of
// the new one, also while other processes read the family (and complete what they take for
// interrupted saves), and in a folder that allows no new files.
TEST(SafeFileKill, AKilledSaveLeavesOneWholeVersion) {
  test::TempFolder folder;
  std::array<AddressBook, 2> versions = test::TwoLargeVersions();
  const fs::path path = folder / "book.csv";
  std::array<std::array<std::string, 3>, 2> expected;
  const std::array<fs::path, 3> files{path, folder / "book_nos.csv", folder / "book_nen.csv"};
  for (int v = 0; v < 2; ++v) {
    ASSERT_TRUE(SaveBookFamilyAs(versions[v], path));
    for (size_t f = 0; f < 3; ++f) expected[v][f] = ReadBytes(files[f]);
    ASSERT_NE(expected[0][0], expected[1][0]);
  }
  const fs::path mixedSeen = folder.path().parent_path() / (folder.path().filename().string() + "-mixed");

  struct Case {
    const char* what;
    bool reader;          // another process reads the family meanwhile
    bool noNewFiles;      // the folder allows no new files (its files stay writable)
  };
  const Case cases[] = {
      {"a save alone", false, false},
      {"a save while another process reads", true, false},
      {"a save in a folder without new files", false, true},
  };
  std::mt19937 random(11);
  constexpr int kKills = 60;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.noNewFiles && geteuid() == 0) {
      for (const fs::path& file : files) chown(file.c_str(), kNobody, kNobody);
      chown(folder.path().c_str(), kNobody, kNobody);
    }
    if (c.noNewFiles) fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const auto start = [&](const std::function<void()>& loop) {
      const pid_t child = fork();
      if (child == 0) {
        if (c.noNewFiles && geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) _exit(99);
        for (;;) loop();
      }
      return child;
    };
    for (int kill = 0; kill < kKills; ++kill) {
      int v = 0;
      const pid_t writer = start([&] { WriteBookFamily(versions[v ^= 1]); });
      const pid_t reader = c.reader ? start([&] {
        AddressBook read;
        if (ReadBookFamily(read, path) == FamilyRead::Read && !IsOneVersion(read)) WriteBytes(mixedSeen, "");
      })
                                    : -1;
      std::this_thread::sleep_for(std::chrono::microseconds(random() % 40000));
      ::kill(writer, SIGKILL);
      if (reader > 0) ::kill(reader, SIGKILL);
      waitpid(writer, nullptr, 0);
      if (reader > 0) waitpid(reader, nullptr, 0);

      FinishInterruptedReplace(FamilyLock(files[0]), files);
      std::array<std::string, 3> found;
      for (size_t f = 0; f < 3; ++f) found[f] = ReadBytes(files[f]);
      ASSERT_TRUE(found == expected[0] || found == expected[1]) << "mixed family after kill " << kill;
      ASSERT_FALSE(fs::exists(mixedSeen)) << "a reader saw a mixed family before kill " << kill;
      EXPECT_EQ(Entries(folder.path()).size(), 3u);
    }
    fs::permissions(folder.path(), fs::perms::owner_all);
  }
}

}  // namespace
}  // namespace mirelon
