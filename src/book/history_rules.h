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

std::vector<std::string> HistoryMarks(std::string_view history);

enum class WhichMark { Newest, Previous };
bool JudgeSend(const AddressRecord& record, WhichMark which);

using HistoryCells = std::array<std::string, 5>;  // oldest year first
HistoryCells SplitHistoryCells(std::string_view history);
void JoinHistoryCells(std::string& history, const HistoryCells& cells);

std::string NormalizeNonSendMark(std::string_view mark);

// Steps 3-7 of the yearly update (the caller has normalised the mark and asked the question).
void AdvanceHistoryYear(AddressBook& book, std::string_view mark);

// A typed one-byte cell becomes its mark or its full-width form; anything else is left alone.
std::string ConvertHistoryInput(std::string_view cell, std::string_view nonSendMark);

// Labels of the five history columns for the book year: year numbers and zodiac signs.
std::string YearLabel(int year);
std::string ZodiacSign(int year);

}  // namespace mirelon
