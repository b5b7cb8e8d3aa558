#include "gui/support/print_to_file.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/uilocale.h>

#include "gui/kit/print_setup.h"
#include "gui/support/gui_test_support.h"

namespace mirelon::test {

std::optional<std::string> PrintToFileUnavailable() {
  const char* backends = std::getenv("GTK_PRINT_BACKENDS");
  if (backends == nullptr || std::string(backends) != "file") return "GTK_PRINT_BACKENDS is not \"file\"";
  if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) return "pdftotext is not installed";
  return std::nullopt;
}

std::filesystem::path PrintToFile(PrintSetup& printing, const std::filesystem::path& folder,
                                  const std::function<void()>& print) {
  const std::filesystem::path workingFolder = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  printing.PrintData().SetPrinterName(U8(wxUILocale::GetCurrent().GetName().StartsWith("ja") ? "ファイルに出力する"
                                                                                            : "Print to File"));
  wxTimer press, giveUp;
  press.Bind(wxEVT_TIMER, [](wxTimerEvent&) { wxUIActionSimulator().Char(WXK_RETURN); });
  giveUp.Bind(wxEVT_TIMER, [](wxTimerEvent&) { wxUIActionSimulator().Char(WXK_ESCAPE); });
  press.StartOnce(1500);
  giveUp.StartOnce(8000);
  {
    AllowModalDialogs userAnswers;
    print();
  }
  std::filesystem::current_path(workingFolder);
  std::filesystem::path pdf;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".pdf") pdf = entry.path();
  }
  return pdf;
}

}  // namespace mirelon::test
