// The Shift-JIS to Unicode table of the UTF-16 postal engine: 78 rows of 94 cells, JIS X 0208 rows
// 1-8, NEC row 13 and JIS X 0208 rows 16-84, with the JIS X 0208 standard values in the seven
// cells where code page 932 differs (the wave dash U+301C among them). 0 marks an empty cell.
#pragma once

namespace mirelon {

inline constexpr int kWideTableRows = 78;
inline constexpr int kWideTableCells = 94;

extern const char16_t kWideTable[kWideTableRows][kWideTableCells];

// Table row of a JIS row (1-based), or -1 when the table does not hold that row.
constexpr int WideTableRowOf(int jisRow) {
  if (jisRow >= 1 && jisRow <= 8) return jisRow - 1;
  if (jisRow == 13) return 8;
  if (jisRow >= 16 && jisRow <= 84) return jisRow - 7;
  return -1;
}

constexpr int JisRowOf(int tableRow) { return tableRow < 8 ? tableRow + 1 : tableRow == 8 ? 13 : tableRow + 7; }

}  // namespace mirelon
