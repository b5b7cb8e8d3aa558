#include "postal/public_postal_file.h"

#include <algorithm>
#include <array>
#include <vector>

#include "book/csv_field.h"
#include "postal/postal_files.h"
#include "text/cp932.h"
#include "text/sjis.h"

namespace mirelon {

namespace {

constexpr size_t kProgressEvery = 8192;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// 1-based field numbers of the public layouts, in the order of the sibling's row.
constexpr std::array<size_t, 4> kAddressFields = {3, 7, 8, 9};
constexpr std::array<size_t, 6> kBusinessFields = {8, 3, 4, 5, 6, 7};
constexpr size_t kAddressPrefecture = 1;   // index in the sibling's row
constexpr size_t kBusinessPrefecture = 2;

bool IsCode(std::string_view field) {
  return field.size() == 7 && std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool EndsWithCharacter(std::string_view text, std::string_view character) {
  // The last character of a CP932 text is found from the front: a trail byte may look like any
  // lead byte.
  size_t last = 0;
  for (size_t i = 0; i < text.size(); i += IsLeadByte(text[i]) ? 2 : 1) last = i;
  return text.substr(last) == character;
}

bool IsPrefecture(std::string_view text) {
  static const std::array<std::string, 4> kEndings = {Sjis("都"), Sjis("道"), Sjis("府"), Sjis("県")};
  return std::any_of(kEndings.begin(), kEndings.end(), [&](const std::string& e) { return EndsWithCharacter(text, e); });
}

// Opening minus closing full-width brackets, counted by whole characters.
int OpenBrackets(std::string_view text) {
  static const std::string kOpen = Sjis("（");
  static const std::string kClose = Sjis("）");
  int open = 0;
  for (size_t i = 0; i < text.size();) {
    const size_t step = IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
    const std::string_view ch = text.substr(i, step);
    open += ch == kOpen ? 1 : ch == kClose ? -1 : 0;
    i += step;
  }
  return open;
}

void AppendQuoted(std::string& out, std::string_view field) {
  out += '"';
  for (const char c : field) {
    out += c;
    if (c == '"') out += '"';
  }
  out += '"';
}

class RowWriter {
 public:
  explicit RowWriter(PublicPostalKind kind) : kind_(kind) {}

  // Takes the fields of one line; false when they are not a row of the layout.
  bool Take(const std::vector<std::string>& fields) {
    std::vector<std::string> row =
        kind_ == PublicPostalKind::Address ? Pick(fields, kAddressFields) : Pick(fields, kBusinessFields);
    const size_t prefecture = kind_ == PublicPostalKind::Address ? kAddressPrefecture : kBusinessPrefecture;
    if (row.empty() || !IsCode(row[0]) || !IsPrefecture(row[prefecture])) return false;
    if (kind_ == PublicPostalKind::Address && !pending_.empty() && pending_[0] == row[0] &&
        OpenBrackets(pending_[3]) > 0) {
      pending_[3] += row[3];
      return true;
    }
    Flush();
    pending_ = std::move(row);
    return true;
  }

  // The rows as CP932 text; the last row is complete once the input ends.
  std::string Finish(size_t& rows) {
    Flush();
    rows = rows_;
    return std::move(text_);
  }

 private:
  template <size_t N>
  static std::vector<std::string> Pick(const std::vector<std::string>& fields, const std::array<size_t, N>& numbers) {
    if (fields.size() < *std::max_element(numbers.begin(), numbers.end())) return {};
    std::vector<std::string> row;
    for (const size_t number : numbers) row.push_back(fields[number - 1]);
    return row;
  }

  void Flush() {
    if (pending_.empty()) return;
    for (size_t i = 0; i < pending_.size(); ++i) {
      if (i > 0) text_ += ',';
      AppendQuoted(text_, pending_[i]);
    }
    text_ += "\r\n";
    ++rows_;
    pending_.clear();
  }

  PublicPostalKind kind_;
  std::vector<std::string> pending_;
  std::string text_;
  size_t rows_ = 0;
};

size_t LineOfOffset(std::string_view text, size_t offset) {
  return 1 + static_cast<size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

PublicPostalConversion Fault(PublicPostalFault fault, size_t line) {
  PublicPostalConversion conversion;
  conversion.fault = fault;
  conversion.faultLine = line;
  return conversion;
}

}  // namespace

PublicPostalConversion ConvertPublicPostalFile(std::string_view bytes, PublicPostalKind kind,
                                               const PublicPostalProgress& progress) {
  // UTF-8 is read through CP932, the character set of the sibling's files, so both public forms
  // give the same rows.
  std::string sjis;
  const bool marked = bytes.starts_with(kUtf8Mark);
  if (marked) bytes.remove_prefix(kUtf8Mark.size());
  const bool utf8 = marked || (std::any_of(bytes.begin(), bytes.end(), [](char c) { return c & 0x80; }) &&
                               IsValidUtf8(bytes));
  if (utf8) {
    Cp932Encoded encoded = Utf8ToCp932(bytes);
    if (!encoded.ok()) return Fault(PublicPostalFault::Unreadable, LineOfOffset(bytes, encoded.firstUnmappable));
    sjis = std::move(encoded.bytes);
  } else {
    sjis.assign(bytes);
  }

  // Every published line ends with CR LF (an old end-of-file mark may follow the last one): a
  // file that ends inside a line lost its end, however well the rows before it read.
  std::string_view body = sjis;
  if (body.ends_with('\x1A')) body.remove_suffix(1);
  if (!body.empty() && !body.ends_with('\n')) return Fault(PublicPostalFault::CutLastLine, LineOfOffset(body, body.size()));

  RowWriter writer(kind);
  std::vector<std::string> fields;
  size_t lineNumber = 0;
  SjisLineReader reader(std::move(sjis));
  for (std::string_view line; reader.ReadLine(line);) {
    ++lineNumber;
    if (progress && lineNumber % kProgressEvery == 0) progress(lineNumber);
    if (line.empty() || line == "\x1A") continue;  // a blank line, or an old end-of-file mark
    if (CountUndecodable(line) > 0) return Fault(PublicPostalFault::Unreadable, lineNumber);
    fields.clear();
    for (size_t pos = 0; pos < line.size();) {
      fields.emplace_back();
      pos = ReadCsvField(line, pos, fields.back());
    }
    if (!writer.Take(fields)) return Fault(PublicPostalFault::NotPostalRow, lineNumber);
  }
  if (progress) progress(lineNumber);

  PublicPostalConversion conversion;
  const std::u16string wide = Cp932ToUtf16(writer.Finish(conversion.rows));
  if (conversion.rows == 0) return Fault(PublicPostalFault::NoRows, 0);
  conversion.wideBytes.reserve(wide.size() * 2);
  for (const char16_t unit : wide) {
    conversion.wideBytes += static_cast<char>(unit & 0xFF);
    conversion.wideBytes += static_cast<char>(unit >> 8);
  }
  return conversion;
}

}  // namespace mirelon
