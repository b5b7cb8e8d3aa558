#include "contacts/vcard_reader.h"

#include <algorithm>
#include <cctype>

#include "text/cp932.h"

namespace mirelon {

namespace {

constexpr std::string_view kJointDigits[] = {"１", "２", "３"};

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && Upper(text.substr(0, prefix.size())) == prefix;
}

// The physical lines of the file, with folding undone: a line that starts with a blank continues
// the one before (3.0, 4.0), so does the line after a quoted-printable soft break ("=" at the
// end), and so does a line without a colon (2.1's unindented picture data).
std::vector<std::string> LogicalLines(std::string_view bytes) {
  std::vector<std::string> lines;
  bool softBreak = false;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const bool folded = !line.empty() && (line.front() == ' ' || line.front() == '\t');
    if (!lines.empty() && (softBreak || folded || (!line.empty() && line.find(':') == std::string_view::npos))) {
      if (softBreak) lines.back().pop_back();  // the "=" of the soft break
      lines.back() += folded && !softBreak ? line.substr(1) : line;
    } else if (!line.empty()) {
      lines.emplace_back(line);
    }
    // Looked at in place: a picture's line grows by every line of its data.
    if (lines.empty()) continue;
    const std::string& last = lines.back();
    softBreak = !last.empty() && last.back() == '=' &&
                Upper(std::string_view(last).substr(0, last.find(':'))).find("QUOTED-PRINTABLE") != std::string::npos;
  }
  return lines;
}

struct Property {
  std::string name;               // upper case, group removed
  std::vector<std::string> types; // lower case: TYPE values and 2.1's bare parameters
  std::string charset, encoding;  // upper case
  std::string sortAs;             // 4.0's SORT-AS
  bool irmcName = false;          // 2.1's SOUND;X-IRMC-N (the reading)
  std::string raw;                // the value as in the file
};

void AddTypes(std::vector<std::string>& types, std::string_view list) {
  size_t start = 0;
  while (start <= list.size()) {
    const size_t comma = std::min(list.find(',', start), list.size());
    std::string type(list.substr(start, comma - start));
    std::transform(type.begin(), type.end(), type.begin(), [](unsigned char c) { return std::tolower(c); });
    if (!type.empty()) types.push_back(type);
    start = comma + 1;
  }
}

Property ParseProperty(std::string_view line) {
  Property property;
  // The colon that ends the name and parameters lies outside quoted parameter values.
  size_t colon = 0;
  for (bool quoted = false; colon < line.size() && (quoted || line[colon] != ':'); ++colon) {
    if (line[colon] == '"') quoted = !quoted;
  }
  property.raw = std::string(line.substr(std::min(colon + 1, line.size())));
  std::string_view head = line.substr(0, colon);
  size_t semicolon = std::min(head.find(';'), head.size());
  std::string_view name = head.substr(0, semicolon);
  if (const size_t dot = name.find('.'); dot != std::string_view::npos) name.remove_prefix(dot + 1);
  property.name = Upper(name);
  while (semicolon < head.size()) {
    const size_t next = std::min(head.find(';', semicolon + 1), head.size());
    std::string_view parameter = head.substr(semicolon + 1, next - semicolon - 1);
    semicolon = next;
    const size_t equals = parameter.find('=');
    const std::string key = Upper(parameter.substr(0, equals));
    std::string value(equals == std::string_view::npos ? std::string_view() : parameter.substr(equals + 1));
    std::erase(value, '"');
    if (equals == std::string_view::npos) {
      if (key == "QUOTED-PRINTABLE" || key == "BASE64") {
        property.encoding = key;
      } else if (key == "X-IRMC-N") {
        property.irmcName = true;
      } else {
        AddTypes(property.types, key);
      }
    } else if (key == "TYPE") {
      AddTypes(property.types, value);
    } else if (key == "PREF") {
      property.types.push_back("pref");
    } else if (key == "CHARSET") {
      property.charset = Upper(value);
    } else if (key == "ENCODING") {
      property.encoding = Upper(value);
    } else if (key == "SORT-AS") {
      property.sortAs = value;
    }
  }
  return property;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string DecodeQuotedPrintable(std::string_view text) {
  std::string bytes;
  for (size_t i = 0; i < text.size(); ++i) {
    const int high = i + 2 < text.size() && text[i] == '=' ? HexDigit(text[i + 1]) : -1;
    const int low = high >= 0 ? HexDigit(text[i + 2]) : -1;
    if (low >= 0) {
      bytes += static_cast<char>(high * 16 + low);
      i += 2;
    } else {
      bytes += text[i];
    }
  }
  return bytes;
}

bool IsShiftJisName(std::string_view charset) {
  for (std::string_view name : {"SHIFT_JIS", "SHIFT-JIS", "SJIS", "CP932", "WINDOWS-31J", "MS932", "X-SJIS"}) {
    if (charset == name) return true;
  }
  return false;
}

// Splits a decoded value at its unescaped semicolons (when `split`) and undoes the escapes.
std::vector<std::string> Components(std::string_view value, bool split) {
  std::vector<std::string> parts(1);
  for (size_t i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (c == ';' && split) {
      parts.emplace_back();
    } else if (c == '\\' && i + 1 < value.size()) {
      const char next = value[++i];
      parts.back() += next == 'n' || next == 'N' ? '\n' : next;
    } else {
      parts.back() += c;
    }
  }
  return parts;
}

std::string Joined(const std::vector<std::string>& parts, size_t from, std::string_view separator) {
  std::string joined;
  for (size_t i = from; i < parts.size(); ++i) {
    if (parts[i].empty()) continue;
    if (!joined.empty()) joined += separator;
    joined += parts[i];
  }
  return joined;
}

bool Has(const Property& property, std::string_view type) {
  return std::find(property.types.begin(), property.types.end(), type) != property.types.end();
}

// The card being read: its contact and the addresses met, of which one is taken.
class CardReader {
 public:
  CardReader(int number, bool fileIsUtf8, std::vector<ContactReport>& reports)
      : fileIsUtf8_(fileIsUtf8), reports_(reports) {
    contact_.number = number;
  }

  void Take(const Property& property);
  Contact Finish();

 private:
  // The value in UTF-8 with quoted-printable undone; false (reported) when it cannot be read.
  bool Decode(const Property& property, std::string& text);
  void AddFirst(ContactField field, std::string value, bool preferred);
  void Report(ContactIssue issue, const std::string& text) { reports_.push_back({issue, text}); }

  Contact contact_;
  std::vector<std::vector<std::string>> addresses_;
  size_t preferredAddress_ = 0;
  int addressRank_ = -1;
  int notes_ = 0;
  bool fileIsUtf8_;
  std::vector<ContactReport>& reports_;
};

bool CardReader::Decode(const Property& property, std::string& text) {
  std::string bytes = property.raw;
  if (property.encoding == "QUOTED-PRINTABLE") {
    bytes = DecodeQuotedPrintable(bytes);
  } else if (!property.encoding.empty() && property.encoding != "8BIT" && property.encoding != "7BIT") {
    Report(ContactIssue::Unreadable,
           contact_.Label() + " " + property.name + ": 符号化 " + property.encoding + " の値は読めないため取り込みません");
    return false;
  }
  // Without a character set, bytes that are not UTF-8 are Shift-JIS, as Japanese phones wrote them.
  const bool shiftJis =
      IsShiftJisName(property.charset) || (property.charset.empty() && (!fileIsUtf8_ || !IsValidUtf8(bytes)));
  if (!shiftJis && !IsValidUtf8(bytes)) {
    Report(ContactIssue::Unreadable, contact_.Label() + " " + property.name + ": 文字コード " +
                                         (property.charset.empty() ? std::string("UTF-8") : property.charset) +
                                         " として読めないため取り込みません");
    return false;
  }
  text = shiftJis ? Cp932ToUtf8(bytes) : bytes;
  return true;
}

void CardReader::AddFirst(ContactField field, std::string value, bool preferred) {
  if (value.empty()) return;
  auto& values = contact_.values[static_cast<size_t>(field)];
  values.insert(preferred ? values.begin() : values.end(), std::move(value));
}

void CardReader::Take(const Property& property) {
  static const std::vector<std::string_view> kUsed = {"N", "FN", "X-PHONETIC-LAST-NAME", "X-PHONETIC-FIRST-NAME",
                                                      "SORT-STRING", "SOUND", "ADR", "ORG", "TITLE", "TEL",
                                                      "EMAIL", "NOTE"};
  if (std::find(kUsed.begin(), kUsed.end(), property.name) == kUsed.end()) return;
  if (property.name == "SOUND" && !property.irmcName) return;
  std::string text;
  if (!Decode(property, text)) return;
  std::vector<std::string> parts = Components(text, true);
  parts.resize(std::max<size_t>(parts.size(), 7));
  const bool preferred = Has(property, "pref");
  const std::string whole = Components(text, false).front();
  if (property.name == "N") {
    contact_.Add(ContactField::FamilyName, parts[0]);
    contact_.Add(ContactField::GivenName, parts[1]);
    contact_.Add(ContactField::Honorific, parts[4]);
    if (!property.sortAs.empty()) {
      const size_t comma = property.sortAs.find(',');
      contact_.Add(ContactField::FamilyReading, property.sortAs.substr(0, comma));
      if (comma != std::string::npos) contact_.Add(ContactField::GivenReading, property.sortAs.substr(comma + 1));
    }
  } else if (property.name == "FN") {
    contact_.Add(ContactField::Name, whole);  // stands in only for a card without N's parts
  } else if (property.name == "X-PHONETIC-LAST-NAME") {
    contact_.Add(ContactField::FamilyReading, whole);
  } else if (property.name == "X-PHONETIC-FIRST-NAME") {
    contact_.Add(ContactField::GivenReading, whole);
  } else if (property.name == "SOUND") {
    contact_.Add(ContactField::FamilyReading, parts[0]);
    contact_.Add(ContactField::GivenReading, parts[1]);
  } else if (property.name == "SORT-STRING") {
    contact_.Add(ContactField::RegistrationName, whole);
  } else if (property.name == "ADR") {
    // A home address is what a greeting card goes to; else the preferred one, else the first.
    const int rank = Has(property, "home") ? 2 : preferred ? 1 : 0;
    if (rank > addressRank_) {
      addressRank_ = rank;
      preferredAddress_ = addresses_.size();
    }
    addresses_.push_back(parts);
  } else if (property.name == "ORG") {
    contact_.Add(ContactField::Company1, parts[0]);
    contact_.Add(ContactField::Company2, Joined(parts, 1, " "));
  } else if (property.name == "TITLE") {
    contact_.Add(ContactField::Position, whole);
  } else if (property.name == "TEL") {
    std::string number = whole;
    if (StartsWithNoCase(number, "TEL:")) number.erase(0, 4);
    const ContactField field = Has(property, "fax") ? ContactField::Fax
                               : Has(property, "cell") ? ContactField::Mobile
                                                      : ContactField::Phone;
    AddFirst(field, number, preferred || (field == ContactField::Phone && Has(property, "home")));
  } else if (property.name == "EMAIL") {
    AddFirst(ContactField::Email, whole, preferred);
  } else if (property.name == "NOTE") {
    std::string note = whole;
    if (notes_++ == 0) {
      for (const JointNameLine& joint : TakeJointNameLines(note)) {
        const int field = static_cast<int>(ContactField::JointName1) + 2 * (joint.number - 1);
        contact_.Add(static_cast<ContactField>(field), joint.name);
        contact_.Add(static_cast<ContactField>(field + 1), joint.honorific);
      }
      contact_.Add(ContactField::Memo1, note);
    } else {
      contact_.Add(notes_ == 2 ? ContactField::Memo2 : ContactField::Memo1, note);
    }
  }
}

Contact CardReader::Finish() {
  for (size_t i = 0; i < addresses_.size(); ++i) {
    const std::vector<std::string>& adr = addresses_[i];
    if (i != preferredAddress_) {
      Report(ContactIssue::ExtraValue,
             contact_.Label() + " 住所: ほかの住所「" + Joined(adr, 0, " ") + "」は取り込みません");
      continue;
    }
    // Street lines after the first belong with the building and room of the second line.
    const std::string& street = adr[2];
    const size_t lineBreak = street.find('\n');
    contact_.Add(ContactField::Region, adr[4]);
    contact_.Add(ContactField::Locality, adr[3]);
    contact_.Add(ContactField::Street, street.substr(0, lineBreak));
    std::string second = adr[1];
    if (lineBreak != std::string::npos) second += (second.empty() ? "" : " ") + street.substr(lineBreak + 1);
    contact_.Add(ContactField::Address2, second);
    contact_.Add(ContactField::PostalCode, adr[5]);
  }
  return std::move(contact_);
}

}  // namespace

std::vector<JointNameLine> TakeJointNameLines(std::string& note) {
  std::vector<JointNameLine> joints;
  while (!note.empty()) {
    const size_t lineStart = note.rfind('\n') == std::string::npos ? 0 : note.rfind('\n') + 1;
    std::string_view line = std::string_view(note).substr(lineStart);
    int number = 0;
    for (int i = 0; i < 3; ++i) {
      if (line.starts_with("連名" + std::string(kJointDigits[i]) + ": ")) number = i + 1;
    }
    if (number == 0) break;
    line.remove_prefix(std::string_view("連名１: ").size());
    JointNameLine joint{number, std::string(line), ""};
    if (const size_t open = line.rfind(" ("); open != std::string_view::npos && line.ends_with(')')) {
      joint.name = line.substr(0, open);
      joint.honorific = line.substr(open + 2, line.size() - open - 3);
    }
    joints.insert(joints.begin(), joint);
    note.erase(lineStart == 0 ? 0 : lineStart - 1);
  }
  return joints;
}

std::string JointNameLineText(int number, std::string_view name, std::string_view honorific) {
  std::string line = "連名" + std::string(kJointDigits[number - 1]) + ": " + std::string(name);
  if (!honorific.empty()) line += " (" + std::string(honorific) + ")";
  return line;
}

ContactsRead ReadVCards(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  const bool fileIsUtf8 = IsValidUtf8(bytes);
  ContactsRead read;
  std::optional<CardReader> card;
  int number = 0;
  for (const std::string& line : LogicalLines(bytes)) {
    const Property property = ParseProperty(line);
    const std::string value = Upper(property.raw);
    if (property.name == "BEGIN" && value == "VCARD") {
      if (card) read.contacts.push_back(card->Finish());
      card.emplace(++number, fileIsUtf8, read.reports);
    } else if (property.name == "END" && value == "VCARD") {
      if (card) read.contacts.push_back(card->Finish());
      card.reset();
    } else if (card) {
      card->Take(property);
    }
  }
  if (card) {
    read.contacts.push_back(card->Finish());
    read.reports.push_back({ContactIssue::Unreadable, read.contacts.back().Label() +
                                                          ": END:VCARD がないままファイルが終わっています（読めた分は取り込みます）"});
  }
  return read;
}

}  // namespace mirelon
