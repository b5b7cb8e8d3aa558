// Send and receive histories: one mark per year, the newest at the right, belonging to the
// book's year.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "book/address_record.h"

namespace mirelon {

class AddressBook;

// Fixed CP932 texts of the history rules.
const std::string& SendStateText();    // "送信する"
const std::string& NoSendStateText();  // "送信しない"
const std::string& BlankMark();        // "□"
const std::string& UnknownCell();      // "？"
const std::string& DefaultNonSendMark();  // "×"

// The marks of a history, oldest first: a double-byte character, or up to two half-width bytes.
std::vector<std::string> HistoryMarks(std::string_view history);

// A mark that stands for an empty year: "□", "　", two or one half-width spaces, or nothing.
bool IsBlankMark(std::string_view mark);

enum class WhichMark { Newest, Previous };
bool JudgeSend(const AddressRecord& record, WhichMark which);

using HistoryCells = std::array<std::string, 5>;  // oldest year first
HistoryCells SplitHistoryCells(std::string_view history);
void JoinHistoryCells(std::string& history, const HistoryCells& cells);

// A one-byte mark gets a half-width space in front; a blank mark becomes "×".
std::string NormalizeNonSendMark(std::string_view mark);

// The yearly update is offered only for a book with a file whose histories do not already run
// ahead of the calendar, so the history year stays at most one year ahead.
bool CanAdvanceHistoryYear(const AddressBook& book, int calendarYear);
// Appends one mark to every history and moves the year on. The caller has normalised the mark,
// refused a blank one and asked the question.
void AdvanceHistoryYear(AddressBook& book, std::string_view mark);

// A typed one-byte cell becomes its mark or its full-width form; anything else is left alone.
// The caller checks the conversion setting.
std::string ConvertHistoryInput(std::string_view cell, std::string_view nonSendMark);

// Labels of the five history columns for the book year: year numbers and zodiac signs.
std::string YearLabel(int year);
std::string ZodiacSign(int year);

}  // namespace mirelon
