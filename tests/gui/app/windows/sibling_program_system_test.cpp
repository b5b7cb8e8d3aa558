// What only Windows has of the sibling program's window: its framework's class names.
#include "gui/app/stand_in.h"

namespace mirelon {
namespace {

using test::WindowCase;

TEST(QueltaWindowTest, OnWindowsTheFrameworksClassNamesTheSibling) {
  const WindowCase cases[] = {
      {"class CabinetWClass\n", false, WindowSearch::NotFound},  // Explorer showing a folder named Quelta
      {"class quelta\n", false, WindowSearch::NotFound},         // named after the program, not its framework
      {"class Afx:400000:8\n", false, WindowSearch::Found},
  };
  ExpectWindowSearches(cases);
}

}  // namespace
}  // namespace mirelon
