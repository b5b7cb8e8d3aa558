#include "list/list_text_builder.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "book/address_book.h"
#include "book/history_rules.h"
#include "list/list_item_text.h"

namespace mirelon {

namespace {

struct Slot {
  int kind = 0;
  int width = 0;
};

// The slots of one shown line that have a width; hidden lines leave no gap between rows.
struct Row {
  std::array<Slot, kListSlotsPerLine> slots;
  int slotCount = 0;
};

std::vector<Row> RowTable(const DisplayFormat& format) {
  std::vector<Row> rows;
  for (int line = 1; line <= kListLineCount; ++line) {
    if (format.lineShown[static_cast<size_t>(line - 1)] == 0) continue;
    Row& row = rows.emplace_back();
    for (int slot = 1; slot <= kListSlotsPerLine; ++slot) {
      const auto k = static_cast<size_t>(ListSlotIndex(line, slot));
      if (format.itemWidth[k] > 0) {
        const int width = std::min<int>(format.itemWidth[k], kMaxListCells);
        row.slots[static_cast<size_t>(row.slotCount++)] = {format.itemKind[k], width};
      }
    }
  }
  return rows;
}

struct Columns {
  int count = 1;
  bool columnMajor = false;  // И order: down the first column, then the next
};

// Columns only make sense for one-line records; anything else, or a layout outside 1..7, is one
// column in Z order.
Columns ColumnsOf(const DisplayFormat& format) {
  const bool lineOneAlone = format.lineShown[0] != 0 && format.lineShown[1] == 0 && format.lineShown[2] == 0;
  if (!lineOneAlone || format.columnLayout < 1 || format.columnLayout > 7) return {};
  if (format.columnLayout >= 5) return {format.columnLayout - 3, true};
  return {format.columnLayout, false};
}

bool PassesFilter(const AddressRecord& record, int filter) {
  switch (filter) {
    case 1: return record.initialSendState != NoSendStateText();
    case 2: return JudgeSend(record, WhichMark::Newest);
    case 3: return JudgeSend(record, WhichMark::Previous);
    case 4: return record.initialSendState == NoSendStateText();
    case 5: return !JudgeSend(record, WhichMark::Newest);
    case 6: return !JudgeSend(record, WhichMark::Previous);
    default: return true;
  }
}

constexpr int kEmptyCell = -1;

// Cells in display order, each a place in the filtered list or empty. In И order the list is
// read down the columns, so the last columns may end early.
std::vector<int> CellOrder(int filteredCount, Columns columns) {
  std::vector<int> cells;
  if (!columns.columnMajor) {
    cells.resize(static_cast<size_t>(filteredCount));
    for (int i = 0; i < filteredCount; ++i) cells[static_cast<size_t>(i)] = i;
    return cells;
  }
  const int rows = (columns.count + filteredCount - 1) / columns.count;
  cells.reserve(static_cast<size_t>(rows * columns.count));
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns.count; ++c) {
      const int place = c * rows + r;
      cells.push_back(place < filteredCount ? place : kEmptyCell);
    }
  }
  return cells;
}

// "  1 ", " 42 ", "999 ", "1000": the number and its space take four cells up to 999.
void AppendNumber(std::string& text, int number) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%3d", number);
  text += digits;
  if (number < 1000) text += ' ';
}

size_t EstimatedSize(const std::vector<Row>& rows, int leftSpace, size_t records) {
  size_t perRecord = 0;
  for (const Row& row : rows) {
    perRecord += static_cast<size_t>(leftSpace) + 4 + 2;
    for (int j = 0; j < row.slotCount; ++j) perRecord += static_cast<size_t>(row.slots[static_cast<size_t>(j)].width) + 1;
  }
  return perRecord * records;
}

}  // namespace

std::string BuildListText(const AddressBook& book, DisplayFormat& format) {
  const std::vector<Row> rows = RowTable(format);
  const Columns columns = ColumnsOf(format);

  std::vector<int> filtered;
  filtered.reserve(static_cast<size_t>(book.recordCount()));
  for (int i = 0; i < book.recordCount(); ++i) {
    if (PassesFilter(book.record(i), format.filter)) filtered.push_back(i);
  }
  format.displayedCount = static_cast<int32_t>(filtered.size());

  std::string text;
  if (rows.empty()) return text;
  const int leftSpace = std::clamp<int>(format.leftSpace, 0, kMaxListCells);
  text.reserve(EstimatedSize(rows, leftSpace, filtered.size()));

  int cellCounter = 0;
  bool lineOpen = false;
  for (const int place : CellOrder(static_cast<int>(filtered.size()), columns)) {
    if (place == kEmptyCell) {
      ++cellCounter;
      if (lineOpen) text += "\r\n";
      lineOpen = false;
      continue;
    }
    const int recordIndex = filtered[static_cast<size_t>(place)];
    const AddressRecord& record = book.record(recordIndex);
    lineOpen = true;
    for (size_t r = 0; r < rows.size(); ++r) {
      if (cellCounter % columns.count == 0) text.append(static_cast<size_t>(leftSpace), ' ');
      if (r == 0 && format.numbering <= 1) {
        AppendNumber(text, (format.numbering == 0 ? place : recordIndex) + 1);
      } else {
        text += "    ";
      }
      const Row& row = rows[r];
      for (int j = 0; j < row.slotCount; ++j) {
        const Slot& slot = row.slots[static_cast<size_t>(j)];
        if (j > 0 && ModeOfItem(slot.kind) != ListItemMode::Blank) text += ' ';
        AppendListItem(text, record, slot.kind, slot.width);
      }
      ++cellCounter;
      if (cellCounter % columns.count == 0) {
        text += "\r\n";
        lineOpen = false;
      } else {
        text += ' ';
      }
    }
  }
  return text;
}

}  // namespace mirelon
