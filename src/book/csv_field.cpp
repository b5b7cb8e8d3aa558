#include "book/csv_field.h"

#include <algorithm>
#include <array>

#include "text/sjis.h"

namespace mirelon {

namespace {

// The reader works as on a zero-terminated line: a NUL byte ends it like the end of the text.
char ByteAt(std::string_view line, size_t pos) { return pos < line.size() ? line[pos] : '\0'; }

bool EndsField(char byte) { return byte == '\0' || byte == '\r' || byte == '\n'; }

enum ByteClass : unsigned char { kOrdinary, kStop, kBackslash, kLead };

// Classes of all bytes, so that the reader's inner loop makes one test a byte.
constexpr std::array<ByteClass, 256> kByteClasses = [] {
  std::array<ByteClass, 256> classes{};
  for (int byte = 0; byte < 256; ++byte) {
    if (IsLeadByte(static_cast<unsigned char>(byte))) classes[byte] = kLead;
  }
  for (const char stop : {',', '"', '\0', '\r', '\n'}) classes[static_cast<unsigned char>(stop)] = kStop;
  classes['\\'] = kBackslash;
  return classes;
}();

// End of the run of bytes from `pos` that need no rule: stops at a comma, a quote, a backslash of
// a text field, the line end or a lead byte without a second byte before it.
size_t RunEnd(std::string_view line, size_t pos, bool lineBreaks) {
  while (pos < line.size()) {
    switch (kByteClasses[static_cast<unsigned char>(line[pos])]) {
      case kOrdinary: ++pos; break;
      case kLead:
        if (pos + 1 < line.size() && !EndsField(line[pos + 1])) {
          pos += 2;
          break;
        }
        return pos;
      case kBackslash:
        if (lineBreaks) return pos;
        ++pos;
        break;
      case kStop: return pos;
    }
  }
  return pos;
}

size_t ReadField(std::string_view line, size_t pos, std::string& out, bool lineBreaks) {
  out.clear();
  bool quoted = ByteAt(line, pos) == '"';
  if (quoted) ++pos;
  for (;;) {
    const size_t runEnd = RunEnd(line, pos, lineBreaks);
    out.append(line.data() + pos, runEnd - pos);
    pos = runEnd;
    const char byte = ByteAt(line, pos);
    // The line ends at its first NUL, CR or LF: what follows is never read, so the position goes
    // to the end and a caller reading fields until the end always gets there.
    if (EndsField(byte)) return line.size();
    if (IsLeadByte(byte)) {
      // Half a character, where a file was cut: written back it would take the next comma or
      // quote as its second byte, so it is dropped.
      ++pos;
      continue;
    }
    if (byte == ',' && !quoted) return pos + 1;
    if (byte == '"' && quoted) {
      const char next = ByteAt(line, pos + 1);
      if (next == ',') return pos + 2;
      if (next == '"') {
        out += '"';
        pos += 2;
      } else {
        // A stray closing quote: the rest of the field is read plainly.
        quoted = false;
        ++pos;
      }
      continue;
    }
    if (lineBreaks && byte == '\\' && ByteAt(line, pos + 1) == 'n') {
      out += "\r\n";
      pos += 2;
      continue;
    }
    // A comma in quotes, a quote inside a plain field, a backslash not before n: ordinary bytes.
    out += byte;
    ++pos;
  }
}

}  // namespace

void AppendCsvField(std::string& out, std::string_view text) {
  // Most fields need no rule at all.
  const auto needsRule = [](char byte) { return kByteClasses[static_cast<unsigned char>(byte)] == kStop; };
  if (std::none_of(text.begin(), text.end(), needsRule) && (text.empty() || !IsLeadByte(text.back()))) {
    out += text;
    return;
  }
  std::string field;
  field.reserve(text.size() + 2);
  bool needsQuotes = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char byte = text[i];
    if (byte == '\r') continue;
    if (byte == '\n') {
      field += "\\n";
      continue;
    }
    // The reader takes a lead byte's second byte with it whatever it is, so a quote or comma
    // there is part of the character and must be neither doubled nor counted.
    if (IsLeadByte(byte)) {
      // Without a second byte it is dropped, as the reader drops it: it would take the
      // following comma, quote or backslash with it.
      if (i + 1 < text.size() && !EndsField(text[i + 1])) {
        field += byte;
        field += text[++i];
      }
      continue;
    }
    if (byte == '"') {
      field += '"';
      needsQuotes = true;
    } else if (byte == ',') {
      needsQuotes = true;
    }
    field += byte;
  }
  if (needsQuotes) out += '"';
  out += field;
  if (needsQuotes) out += '"';
}

std::string QuoteCsvField(std::string_view text) {
  std::string out;
  AppendCsvField(out, text);
  return out;
}

size_t ReadCsvField(std::string_view line, size_t pos, std::string& out) {
  return ReadField(line, pos, out, false);
}

size_t ReadCsvTextField(std::string_view line, size_t pos, std::string& out) {
  return ReadField(line, pos, out, true);
}

}  // namespace mirelon
