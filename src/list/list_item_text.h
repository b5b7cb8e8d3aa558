// The text one slot of the list table shows for one record.
#pragma once

#include <string>
#include <string_view>

#include "list/list_item_kind.h"

namespace mirelon {

class AddressRecord;

// The item `kind` of `record` fitted to `width` cells by the item's mode: plain items trimmed,
// cut and padded; memos on one line, cut and padded; histories by FitHistoryTail. The result is
// exactly `width` bytes for every width of 1 or more.
std::string RenderListItem(const AddressRecord& record, int kind, int width);
// The same, appended to `out` (the list builder's way: no text per slot).
void AppendListItem(std::string& out, const AddressRecord& record, int kind, int width);

// Shows the newest marks of a history (its right end) in exactly `width` cells: whole marks only,
// one full-width "？" for each year the history does not reach, a half-width space to fill an odd
// cell. A width of 0 or less gives the empty text.
void FitHistoryTail(std::string& history, int width);
void AppendHistoryTail(std::string& out, std::string_view history, int width);

}  // namespace mirelon
