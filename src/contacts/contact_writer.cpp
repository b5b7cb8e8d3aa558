#include "contacts/contact_writer.h"

#include <algorithm>

#include "book/history_rules.h"
#include "contacts/contact.h"
#include "contacts/vcard_reader.h"
#include "text/cp932.h"

namespace mirelon {

namespace {

constexpr size_t kFoldAt = 75;
constexpr std::string_view kLineEnd = "\r\n";

std::string Utf8(const std::string& cp932) { return Cp932ToUtf8(cp932); }

std::string Escaped(std::string_view text) {
  std::string escaped;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\\' || c == ',' || c == ';') {
      escaped += '\\';
      escaped += c;
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      // CR LF is one line break.
    } else if (c == '\n' || c == '\r') {
      escaped += "\\n";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

// Folds at 75 bytes, never inside a UTF-8 character.
void AppendFolded(std::string& out, std::string_view line) {
  size_t width = 0;
  for (size_t i = 0; i < line.size();) {
    size_t length = 1;
    const auto lead = static_cast<unsigned char>(line[i]);
    if (lead >= 0xC0) length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (width + length > kFoldAt) {
      out += kLineEnd;
      out += ' ';
      width = 1;
    }
    out += line.substr(i, length);
    width += length;
    i += length;
  }
  out += kLineEnd;
}

// A name split at its first full-width blank, the one the reader puts between the parts:
// "山田　太郎" -> "山田", "太郎"; any other name is one part, so that it reads back as it was.
std::pair<std::string, std::string> SplitAtBlank(const std::string& utf8) {
  const size_t at = utf8.find("　");
  if (at == std::string::npos || at == 0 || at + 3 == utf8.size()) return {utf8, ""};
  return {utf8.substr(0, at), utf8.substr(at + 3)};
}

void WriteCard(std::string& out, const AddressRecord& record) {
  const auto line = [&out](std::string_view head, const std::string& value) {
    if (!value.empty()) AppendFolded(out, std::string(head) + ":" + value);
  };
  AppendFolded(out, "BEGIN:VCARD");
  AppendFolded(out, "VERSION:3.0");
  const std::string name = Utf8(record.name);
  const auto [family, given] = SplitAtBlank(name);
  AppendFolded(out, "N:" + Escaped(family) + ";" + Escaped(given) + ";;;" + Escaped(Utf8(record.honorific)));
  AppendFolded(out, "FN:" + Escaped(name));
  const std::string reading = Utf8(record.registrationName);
  const auto [familyReading, givenReading] = SplitAtBlank(reading);
  line("X-PHONETIC-LAST-NAME", Escaped(familyReading));
  line("X-PHONETIC-FIRST-NAME", Escaped(givenReading));
  line("SORT-STRING", Escaped(reading));
  if (!record.company1.empty() || !record.company2.empty()) {
    line("ORG", Escaped(Utf8(record.company1)) + (record.company2.empty() ? "" : ";" + Escaped(Utf8(record.company2))));
  }
  line("TITLE", Escaped(Utf8(record.position)));
  if (!record.postalCode.empty() || !record.address1.empty() || !record.address2.empty()) {
    line("ADR;TYPE=HOME",
         ";" + Escaped(Utf8(record.address2)) + ";" + Escaped(Utf8(record.address1)) + ";;;" + Escaped(Utf8(record.postalCode)) + ";");
  }
  line("TEL;TYPE=HOME,VOICE", Escaped(Utf8(record.phone)));
  line("TEL;TYPE=HOME,FAX", Escaped(Utf8(record.fax)));
  line("TEL;TYPE=CELL", Escaped(Utf8(record.mobile)));
  line("EMAIL;TYPE=INTERNET", Escaped(Utf8(record.email)));
  std::string note = Utf8(record.memo1);
  const std::string* joints[][2] = {{&record.jointName1, &record.jointHonorific1},
                                    {&record.jointName2, &record.jointHonorific2},
                                    {&record.jointName3, &record.jointHonorific3}};
  for (int i = 0; i < 3; ++i) {
    if (joints[i][0]->empty() && joints[i][1]->empty()) continue;
    if (!note.empty()) note += "\n";
    note += JointNameLineText(i + 1, Utf8(*joints[i][0]), Utf8(*joints[i][1]));
  }
  // The first note is memo 1, the second memo 2: an empty first note keeps memo 2 in its place.
  if (!note.empty() || !record.memo2.empty()) AppendFolded(out, "NOTE:" + Escaped(note));
  line("NOTE", Escaped(Utf8(record.memo2)));
  AppendFolded(out, "END:VCARD");
}

void AppendCell(std::string& out, std::string_view cell) {
  if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += cell;
    return;
  }
  out += '"';
  for (const char c : cell) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

constexpr std::string_view kSendColumn = "送信 ";
constexpr std::string_view kReceiveColumn = "受信 ";
constexpr int kLastPlainColumn = static_cast<int>(ContactField::InitialSendState);

}  // namespace

std::string WriteVCards(const AddressBook& book) {
  std::string out;
  for (const AddressRecord& record : book.records()) WriteCard(out, record);
  return out;
}

std::string WriteContactTable(const AddressBook& book) {
  size_t years = 0;
  for (const AddressRecord& record : book.records()) {
    years = std::max({years, HistoryMarks(record.sendHistory).size(), HistoryMarks(record.receiveHistory).size()});
  }
  std::string out = "\xEF\xBB\xBF";
  std::vector<std::string> header;
  for (int n = 1; n <= kLastPlainColumn; ++n) header.emplace_back(FieldLabel(static_cast<ContactField>(n)));
  for (std::string_view prefix : {kSendColumn, kReceiveColumn}) {
    for (size_t i = years; i > 0; --i) header.push_back(std::string(prefix) + std::to_string(book.year - static_cast<int>(i) + 1));
  }
  const auto endRow = [&out](const std::vector<std::string>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) out += ',';
      AppendCell(out, cells[i]);
    }
    out += kLineEnd;
  };
  endRow(header);
  for (const AddressRecord& record : book.records()) {
    std::vector<std::string> cells;
    for (int n = 1; n <= kLastPlainColumn; ++n) cells.push_back(Utf8(record.Field(n)));
    for (const std::string* history : {&record.sendHistory, &record.receiveHistory}) {
      const std::vector<std::string> marks = HistoryMarks(*history);
      for (size_t i = marks.size(); i < years; ++i) cells.emplace_back();
      for (const std::string& mark : marks) cells.push_back(Utf8(mark));
    }
    endRow(cells);
  }
  return out;
}

}  // namespace mirelon
