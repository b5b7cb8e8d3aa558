// The CSV field codec: any line read into fields and written back reads as the same fields.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "book/csv_field.h"

namespace {

std::vector<std::string> ReadFields(std::string_view line, bool text) {
  std::vector<std::string> fields;
  std::string field;
  size_t pos = 0;
  // Every call consumes at least one byte until the line (or a NUL) ends it.
  for (size_t count = 0; count <= line.size(); ++count) {
    const size_t next = text ? mirelon::ReadCsvTextField(line, pos, field) : mirelon::ReadCsvField(line, pos, field);
    fields.push_back(field);
    if (next == pos) break;
    pos = next;
  }
  return fields;
}

std::vector<std::string> RoundTrip(const std::vector<std::string>& fields, bool text) {
  std::string written;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) written += ',';
    mirelon::AppendCsvField(written, fields[i]);
  }
  std::vector<std::string> again = ReadFields(written, text);
  // The reader gives one more empty field at the end of any line; compare what was written.
  again.resize(fields.size());
  return again;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> fields = ReadFields(input, false);
  if (RoundTrip(fields, false) != fields) std::abort();
  // A memo or notes field has no way to hold a typed backslash-n (it is read as a line break),
  // so there the written fields are checked from the first write on.
  const std::vector<std::string> texts = RoundTrip(ReadFields(input, true), true);
  if (RoundTrip(texts, true) != texts) std::abort();
  return 0;
}
