// Printing through GTK's "print to file" without a print service (GTK_PRINT_BACKENDS=file): the
// print dialog (in the user's language) opens with the file printer chosen, Enter prints, and GTK
// writes the PDF into the working folder.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "support/command_output.h"

namespace mirelon {
class PrintSetup;
}

namespace mirelon::test {

// Why printing to a file cannot be tested here (backends or pdftotext missing), or nothing.
std::optional<std::string> PrintToFileUnavailable();
// Chooses the file printer in `printing`, runs `print` in `folder` as the working folder with the
// dialog answered by Enter, and gives the PDF written there (empty path when none was).
std::filesystem::path PrintToFile(PrintSetup& printing, const std::filesystem::path& folder,
                                  const std::function<void()>& print);

}  // namespace mirelon::test
