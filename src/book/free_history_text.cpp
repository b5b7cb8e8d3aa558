#include "book/free_history_text.h"

#include <vector>

#include "book/history_rules.h"
#include "text/cp932.h"
#include "text/sjis.h"

namespace mirelon {
namespace {

using namespace literals;

// A run of single-byte characters: odd runs get a leading space, then pairs; two spaces are blank.
void FlushRun(std::string& run, std::vector<std::string>& marks) {
  if (run.size() % 2 != 0) run.insert(run.begin(), ' ');
  for (size_t i = 0; i < run.size(); i += 2) {
    std::string mark = run.substr(i, 2);
    marks.push_back(mark == "  " ? BlankMark() : mark);
  }
  run.clear();
}

}  // namespace

std::string NormalizeFreeHistory(std::string_view typed) {
  std::vector<std::string> marks;
  std::string run;
  for (size_t i = 0; i < typed.size();) {
    if (!IsLeadByte(typed[i])) {
      run += typed[i++];
      continue;
    }
    FlushRun(run, marks);
    if (i + 1 >= typed.size()) break;  // a lone first byte at the end is dropped
    marks.emplace_back(typed.substr(i, 2));
    i += 2;
  }
  FlushRun(run, marks);

  std::string result;
  bool leading = true;
  for (const std::string& mark : marks) {
    if (leading && mark == UnknownCell()) continue;
    leading = false;
    result += mark == kFullWidthSpace ? BlankMark() : mark;
  }
  return result.empty() ? BlankMark() : result;
}

}  // namespace mirelon
