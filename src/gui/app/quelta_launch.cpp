#include "gui/app/quelta_launch.h"

#include <wx/utils.h>

#include "appcore/program_settings.h"
#include "appcore/sibling_program.h"
#include "book/address_book.h"
#include "book/book_files.h"
#include "gui/app/bounded_wait.h"
#include "gui/editor/file_flows.h"
#include "gui/kit/file_chooser.h"
#include "gui/kit/message_box.h"
#include "platform/utf8_path.h"
#include "gui/kit/wx_text.h"
#include "platform/process.h"

namespace mirelon {
namespace {

using namespace literals;

// Any file name is accepted on this system; the Windows name stays as the second choice.
constexpr const char* kExecutableFilter = "すべてのファイル (*)|*|Quelta.exe|Quelta.exe";
// How long the program may take to open its window (a cold start of a large program included).
constexpr std::chrono::milliseconds kWindowWaitLimit{20000};

}  // namespace

QueltaLaunch::QueltaLaunch(wxWindow* parent, AddressBook& book, ProgramSettings& settings, SiblingProgramData& sibling)
    : parent_(parent), book_(book), settings_(settings), sibling_(sibling) {}

PageToShow QueltaLaunch::Run(bool ctrlDown) {
  // The program works on the same files: unsaved changes have to be written first.
  if (book_.modified) return std::nullopt;
  const bool chosen = ctrlDown || QueltaNeedsChoosing(sibling_);
  if (chosen && !ChooseExecutable()) return std::nullopt;

  std::unique_ptr<StartedProcess> started;
  if (!IsQueltaRunning(sibling_, nullptr)) {
    started = StartQuelta(sibling_);
    if (!started) {
      ShowMessageBox(PathText(sibling_.queltaPath) + "\r\nQuelta を起動できませんでした"_sjis);
      // A choice that does not start is not kept: the next click asks again.
      ReadQueltaPath(settings_.Store(), sibling_);
      return std::nullopt;
    }
  }
  if (chosen) settings_.WriteMiscString(misc::kQueltaPath, PathToUtf8(sibling_.queltaPath));
  if (started) {
    // A program that failed at once opens no window; one that ended well may have handed over to
    // another process, whose window is still awaited.
    const wxBusyCursor busy;
    started->WaitUntilIdle(kWindowWaitLimit, [&] { return IsQueltaRunning(sibling_, started.get()); },
                           KeepWindowsPainted);
  }
  while (IsQueltaRunning(sibling_, started.get())) {
    ShowMessageBox("Quelta 起動中は Mirelon の操作はできません\r\nQuelta を終了させてから続行してください"_sjis);
  }

  ProbePostalData(sibling_);  // the program may have installed its postal data meanwhile
  return FileFlows(parent_, book_, settings_).ReloadAfterQuelta();
}

bool QueltaLaunch::ChooseExecutable() {
  const std::filesystem::path start = QueltaChooserStart(sibling_);
  const bool stored = !QueltaNeedsChoosing(sibling_);
  FileChooserDialog dialog(parent_, U8("Quelta 実行ファイルの検索"),
                           FromPath(stored ? start.parent_path() : start), stored ? FromPath(start.filename()) : wxString(),
                           U8(kExecutableFilter), wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (dialog.ShowModal() != wxID_OK) return false;
  TakeQueltaPath(ToPath(dialog.GetPath()), sibling_);
  return !QueltaNeedsChoosing(sibling_);
}

}  // namespace mirelon
