#include "book/history_rules.h"

#include <algorithm>
#include <utility>

#include "book/address_book.h"
#include "text/cp932.h"
#include "text/sjis.h"
#include "text/text_mapping.h"

namespace mirelon {

using namespace literals;

// Converted once: they are compared against on every judgement.
const std::string& SendStateText() { static const std::string text = "送信する"_sjis; return text; }
const std::string& NoSendStateText() { static const std::string text = "送信しない"_sjis; return text; }
const std::string& BlankMark() { static const std::string text = "□"_sjis; return text; }
const std::string& UnknownCell() { static const std::string text = "？"_sjis; return text; }
const std::string& DefaultNonSendMark() { static const std::string text = "×"_sjis; return text; }

namespace {

constexpr size_t kCellCount = std::tuple_size_v<HistoryCells>;

// Calls `onMark(start)` with the start offset of every mark, oldest first.
template <typename OnMark>
void ForEachMarkStart(std::string_view history, OnMark onMark) {
  bool halfWidthOpen = false;
  for (size_t i = 0; i < history.size(); ++i) {
    if (IsLeadByte(history[i])) {
      onMark(i++);
      halfWidthOpen = false;
    } else if (halfWidthOpen) {
      halfWidthOpen = false;
    } else {
      onMark(i);
      halfWidthOpen = true;
    }
  }
}

std::vector<size_t> MarkStarts(std::string_view history) {
  std::vector<size_t> starts;
  ForEachMarkStart(history, [&](size_t start) { starts.push_back(start); });
  return starts;
}

bool IsSendMark(std::string_view mark) {
  static const std::array<std::string, 3> kSendWords = {"後"_sjis, "出"_sjis, "送"_sjis};
  return IsBlankMark(mark) || std::find(kSendWords.begin(), kSendWords.end(), mark) != kSendWords.end();
}

// A typed cell as it is stored: blanks become "□", a one-byte mark gets its leading space.
std::string NormalizeCell(std::string_view cell) {
  if (IsBlankMark(cell)) return BlankMark();
  if (cell.size() == 1) return " " + std::string(cell);
  return std::string(cell);
}

}  // namespace

std::vector<std::string> HistoryMarks(std::string_view history) {
  const std::vector<size_t> starts = MarkStarts(history);
  std::vector<std::string> marks;
  marks.reserve(starts.size());
  for (size_t k = 0; k < starts.size(); ++k) {
    const size_t end = k + 1 < starts.size() ? starts[k + 1] : history.size();
    marks.emplace_back(history.substr(starts[k], end - starts[k]));
  }
  return marks;
}

bool IsBlankMark(std::string_view mark) {
  return mark.empty() || mark == " " || mark == "  " || mark == kFullWidthSpace || mark == BlankMark();
}

bool JudgeSend(const AddressRecord& record, WhichMark which) {
  // Judged for every record at every write: only the two newest marks are kept.
  const std::string_view history = record.sendHistory;
  size_t count = 0;
  size_t newest = 0;
  size_t previous = 0;
  ForEachMarkStart(history, [&](size_t start) {
    ++count;
    previous = newest;
    newest = start;
  });
  if (which == WhichMark::Newest) return count == 0 || IsSendMark(history.substr(newest));
  return count >= 2 && IsSendMark(history.substr(previous, newest - previous));
}

HistoryCells SplitHistoryCells(std::string_view history) {
  const std::vector<std::string> marks = HistoryMarks(history);
  HistoryCells cells;
  for (size_t k = 0; k < kCellCount; ++k) {
    // Cell kCellCount-1 is the newest mark; k counts back from it.
    const size_t back = kCellCount - 1 - k;
    if (back >= marks.size()) {
      cells[k] = UnknownCell();
    } else {
      const std::string& mark = marks[marks.size() - 1 - back];
      cells[k] = mark == BlankMark() ? std::string() : mark;
    }
  }
  return cells;
}

void JoinHistoryCells(std::string& history, const HistoryCells& cells) {
  HistoryCells stored;
  std::transform(cells.begin(), cells.end(), stored.begin(), NormalizeCell);
  const std::vector<size_t> starts = MarkStarts(history);
  size_t first = 0;
  if (starts.size() >= kCellCount) {
    // The five newest marks are replaced; older years are kept as they are.
    history.resize(starts[starts.size() - kCellCount]);
  } else {
    // A short history grows only from the first cell the user filled in. A view with no cell
    // filled in is a history with no marks: writing "？" back would turn an addressee without
    // history into one not sent to at the next judgement.
    history.clear();
    while (first < kCellCount && stored[first] == UnknownCell()) ++first;
  }
  for (size_t k = first; k < kCellCount; ++k) history += stored[k];
}

std::string NormalizeNonSendMark(std::string_view mark) {
  std::string result = mark.size() == 1 ? " " + std::string(mark) : std::string(mark);
  // A blank mark would read as "sent" at the next judgement.
  if (IsBlankMark(result)) return DefaultNonSendMark();
  return result;
}

bool CanAdvanceHistoryYear(const AddressBook& book, int calendarYear) {
  return book.HasFile() && book.year <= calendarYear;
}

void AdvanceHistoryYear(AddressBook& book, std::string_view mark) {
  book.nonSendMark = mark;
  for (int i = 0; i < book.recordCount(); ++i) {
    AddressRecord& record = book.record(i);
    record.sendHistory += record.initialSendState == NoSendStateText() ? book.nonSendMark : BlankMark();
    record.receiveHistory += BlankMark();
  }
  ++book.year;
  book.modified = true;
}

std::string ConvertHistoryInput(std::string_view cell, std::string_view nonSendMark) {
  if (cell.size() != 1) return std::string(cell);
  static const std::array<std::pair<char, std::string>, 26> kTable = {{
      {'m', "喪"_sjis}, {'M', "喪"_sjis}, {'a', "後"_sjis}, {'A', "後"_sjis}, {'d', "出"_sjis},
      {'D', "出"_sjis}, {'o', "送"_sjis}, {'O', "送"_sjis}, {'u', "受"_sjis}, {'U', "受"_sjis},
      {'c', "○"_sjis}, {'C', "●"_sjis}, {'t', "△"_sjis}, {'T', "▲"_sjis}, {'v', "▽"_sjis},
      {'V', "▼"_sjis}, {'r', "◇"_sjis}, {'R', "◆"_sjis}, {'s', "☆"_sjis}, {'S', "★"_sjis},
      {'x', "×"_sjis}, {'X', "※"_sjis}, {'b', "■"_sjis}, {'B', "■"_sjis}, {'w', "◎"_sjis},
      {'W', "◎"_sjis},
  }};
  const char typed = cell.front();
  if (typed == '.') return std::string(nonSendMark);
  for (const auto& [key, mark] : kTable) {
    if (key == typed) return mark;
  }
  return ToFullWidth(cell);
}

std::string YearLabel(int year) { return std::to_string(year); }

std::string ZodiacSign(int year) {
  static const std::array<std::string, 12> kSigns = {
      "子"_sjis, "丑"_sjis, "寅"_sjis, "卯"_sjis, "辰"_sjis, "巳"_sjis,
      "午"_sjis, "未"_sjis, "申"_sjis, "酉"_sjis, "戌"_sjis, "亥"_sjis,
  };
  return kSigns[static_cast<size_t>(((year + 8) % 12 + 12) % 12)];
}

}  // namespace mirelon
