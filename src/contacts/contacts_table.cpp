#include "contacts/contacts_table.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "text/cp932.h"

namespace mirelon {

namespace {

using Kind = ColumnTarget::Kind;

struct ColumnName {
  std::string_view name;  // compared without blanks at the ends and with ASCII in lower case
  ContactField field;
};

// The names common exports give their columns: the program's own, Japanese card software's, and
// phone contacts'.
constexpr ColumnName kColumnNames[] = {
    {"登録名", ContactField::RegistrationName}, {"フリガナ", ContactField::RegistrationName},
    {"ふりがな", ContactField::RegistrationName}, {"よみ", ContactField::RegistrationName},
    {"読み", ContactField::RegistrationName}, {"よみがな", ContactField::RegistrationName},
    {"氏名フリガナ", ContactField::RegistrationName}, {"phonetic name", ContactField::RegistrationName},
    {"姓フリガナ", ContactField::FamilyReading}, {"姓ふりがな", ContactField::FamilyReading},
    {"フリガナ(姓)", ContactField::FamilyReading}, {"ふりがな(姓)", ContactField::FamilyReading},
    {"セイ", ContactField::FamilyReading}, {"せい", ContactField::FamilyReading},
    {"phonetic last name", ContactField::FamilyReading}, {"family name yomi", ContactField::FamilyReading},
    {"名フリガナ", ContactField::GivenReading}, {"名ふりがな", ContactField::GivenReading},
    {"フリガナ(名)", ContactField::GivenReading}, {"ふりがな(名)", ContactField::GivenReading},
    {"メイ", ContactField::GivenReading}, {"めい", ContactField::GivenReading},
    {"phonetic first name", ContactField::GivenReading}, {"given name yomi", ContactField::GivenReading},
    {"名前", ContactField::Name}, {"氏名", ContactField::Name}, {"name", ContactField::Name},
    {"full name", ContactField::Name}, {"display name", ContactField::Name},
    {"姓", ContactField::FamilyName}, {"last name", ContactField::FamilyName}, {"family name", ContactField::FamilyName},
    {"名", ContactField::GivenName}, {"first name", ContactField::GivenName}, {"given name", ContactField::GivenName},
    {"郵便番号", ContactField::PostalCode}, {"〒", ContactField::PostalCode},
    {"home postal code", ContactField::PostalCode}, {"postal code", ContactField::PostalCode},
    {"zip code", ContactField::PostalCode},
    {"住所", ContactField::Address1}, {"住所1", ContactField::Address1}, {"住所１", ContactField::Address1},
    {"住所１行目", ContactField::Address1}, {"自宅住所", ContactField::Address1}, {"address", ContactField::Address1},
    {"都道府県", ContactField::Region}, {"home state", ContactField::Region}, {"state", ContactField::Region},
    {"市区町村", ContactField::Locality}, {"home city", ContactField::Locality}, {"city", ContactField::Locality},
    {"番地", ContactField::Street}, {"home street", ContactField::Street}, {"street", ContactField::Street},
    {"住所2", ContactField::Address2}, {"住所２", ContactField::Address2}, {"住所２行目", ContactField::Address2},
    {"建物名", ContactField::Address2}, {"home street 2", ContactField::Address2},
    {"会社・機関等", ContactField::Company1}, {"会社名", ContactField::Company1}, {"会社", ContactField::Company1},
    {"company", ContactField::Company1}, {"organization", ContactField::Company1},
    {"会社・機関等２行目", ContactField::Company2}, {"部署", ContactField::Company2}, {"部署名", ContactField::Company2},
    {"department", ContactField::Company2},
    {"身分・役職等", ContactField::Position}, {"役職", ContactField::Position}, {"job title", ContactField::Position},
    {"敬称", ContactField::Honorific},
    {"連名", ContactField::JointName1}, {"連名１", ContactField::JointName1}, {"連名1", ContactField::JointName1},
    {"連名敬称", ContactField::JointHonorific1}, {"敬称１", ContactField::JointHonorific1},
    {"敬称1", ContactField::JointHonorific1},
    {"連名２", ContactField::JointName2}, {"連名2", ContactField::JointName2},
    {"敬称２", ContactField::JointHonorific2}, {"敬称2", ContactField::JointHonorific2},
    {"連名３", ContactField::JointName3}, {"連名3", ContactField::JointName3},
    {"敬称３", ContactField::JointHonorific3}, {"敬称3", ContactField::JointHonorific3},
    {"電話番号", ContactField::Phone}, {"電話", ContactField::Phone}, {"自宅電話", ContactField::Phone},
    {"home phone", ContactField::Phone}, {"business phone", ContactField::Phone}, {"phone", ContactField::Phone},
    {"fax番号", ContactField::Fax}, {"fax", ContactField::Fax}, {"home fax", ContactField::Fax},
    {"business fax", ContactField::Fax},
    {"携帯番号", ContactField::Mobile}, {"携帯", ContactField::Mobile}, {"携帯電話", ContactField::Mobile},
    {"mobile phone", ContactField::Mobile}, {"mobile", ContactField::Mobile},
    {"e-mailアドレス", ContactField::Email}, {"メール", ContactField::Email}, {"メールアドレス", ContactField::Email},
    {"e-mail", ContactField::Email}, {"email", ContactField::Email}, {"e-mail address", ContactField::Email},
    {"email address", ContactField::Email},
    {"メモ１", ContactField::Memo1}, {"メモ1", ContactField::Memo1}, {"メモ", ContactField::Memo1},
    {"備考", ContactField::Memo1}, {"notes", ContactField::Memo1}, {"note", ContactField::Memo1},
    {"メモ２", ContactField::Memo2}, {"メモ2", ContactField::Memo2},
    {"送信初期状態", ContactField::InitialSendState},
};

constexpr std::string_view kSendPrefix = "送信";
constexpr std::string_view kReceivePrefix = "受信";

std::string Normalised(std::string_view name) {
  while (name.starts_with(' ') || name.starts_with("　")) name.remove_prefix(name.starts_with(' ') ? 1 : 3);
  while (name.ends_with(' ') || name.ends_with("　")) name.remove_suffix(name.ends_with(' ') ? 1 : 3);
  std::string lower(name);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

// "送信 2024" / "受信2024": the mark of one year.
std::optional<ColumnTarget> YearColumn(std::string_view name) {
  for (const auto& [prefix, kind] : {std::pair{kSendPrefix, Kind::SendMark}, std::pair{kReceivePrefix, Kind::ReceiveMark}}) {
    if (!name.starts_with(prefix)) continue;
    std::string_view digits = name.substr(prefix.size());
    if (digits.starts_with(' ')) digits.remove_prefix(1);
    int year = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), year);
    if (error == std::errc() && end == digits.data() + digits.size() && digits.size() == 4) {
      return ColumnTarget{kind, ContactField::Ignore, year};
    }
  }
  return std::nullopt;
}

bool NamesSomeone(ContactField field) {
  return field == ContactField::Name || field == ContactField::FamilyName || field == ContactField::GivenName ||
         field == ContactField::RegistrationName || field == ContactField::FamilyReading;
}

}  // namespace

ContactTable ReadContactTable(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  ContactTable table;
  table.shiftJis = !IsValidUtf8(bytes);
  const std::string text = table.shiftJis ? Cp932ToUtf8(bytes) : std::string(bytes);
  std::vector<std::vector<std::string>> lines;
  std::vector<std::string> cells(1);
  bool quoted = false;
  bool cellStart = true;
  const auto endLine = [&] {
    if (cells.size() > 1 || !cells.front().empty()) lines.push_back(std::move(cells));
    cells.assign(1, std::string());
  };
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        cells.back() += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        cells.back() += c;
      }
    } else if (c == '"' && cellStart) {
      quoted = true;
    } else if (c == ',') {
      cells.emplace_back();
      cellStart = true;
      continue;
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      endLine();
      cellStart = true;
      continue;
    } else {
      cells.back() += c;
    }
    cellStart = false;
  }
  endLine();
  if (!lines.empty()) {
    table.header = std::move(lines.front());
    table.rows.assign(std::make_move_iterator(lines.begin() + 1), std::make_move_iterator(lines.end()));
  }
  return table;
}

std::optional<ColumnTarget> KnownColumn(std::string_view name) {
  if (const std::optional<ColumnTarget> year = YearColumn(name)) return year;
  const std::string normalised = Normalised(name);
  for (const ColumnName& known : kColumnNames) {
    if (known.name == normalised) return ColumnTarget{Kind::Field, known.field, 0};
  }
  return std::nullopt;
}

RecognisedColumns RecogniseColumns(const std::vector<std::string>& header) {
  RecognisedColumns result;
  for (const std::string& name : header) {
    const ColumnTarget target = KnownColumn(name).value_or(ColumnTarget{});
    result.recognised = result.recognised || (target.kind == Kind::Field && NamesSomeone(target.field));
    result.mapping.push_back(target);
  }
  return result;
}

std::optional<std::string> ApplyColumnMap(std::string_view map, const std::vector<std::string>& header,
                                          ColumnMapping& mapping, MapEntries entries) {
  mapping.resize(header.size());
  size_t start = 0;
  while (start < map.size()) {
    const size_t comma = std::min(map.find(',', start), map.size());
    const std::string_view entry = map.substr(start, comma - start);
    start = comma + 1;
    const size_t equals = entry.rfind('=');
    const std::string_view column = entry.substr(0, equals);
    const std::optional<ContactField> field =
        equals == std::string_view::npos ? std::nullopt : FieldByName(entry.substr(equals + 1));
    const auto found = std::find(header.begin(), header.end(), column);
    if (field && found != header.end()) {
      mapping[static_cast<size_t>(found - header.begin())] = {Kind::Field, *field, 0};
    } else if (entries == MapEntries::All) {
      if (equals == std::string_view::npos) return "「" + std::string(entry) + "」は 列名=項目 の形ではありません";
      if (!field) return "「" + std::string(entry.substr(equals + 1)) + "」という項目はありません";
      return "「" + std::string(column) + "」という列はありません";
    }
  }
  return std::nullopt;
}

std::string ColumnMapText(const std::vector<std::string>& header, const ColumnMapping& mapping) {
  std::string text;
  for (size_t i = 0; i < header.size() && i < mapping.size(); ++i) {
    if (mapping[i].kind != Kind::Field || mapping[i].field == ContactField::Ignore) continue;
    if (!text.empty()) text += ',';
    text += header[i] + "=" + std::string(FieldCode(mapping[i].field));
  }
  return text;
}

ContactsRead ContactsFromTable(const ContactTable& table, const ColumnMapping& mapping) {
  ContactsRead read;
  std::vector<bool> unusedWithValues(table.header.size(), false);
  std::string beyondHeader;  // rows with values in cells no column name heads
  int number = 0;
  for (const std::vector<std::string>& row : table.rows) {
    Contact contact;
    contact.number = ++number;
    if (std::any_of(row.begin() + static_cast<ptrdiff_t>(std::min(row.size(), table.header.size())), row.end(),
                    [](const std::string& cell) { return !cell.empty(); })) {
      beyondHeader += (beyondHeader.empty() ? "" : "、") + std::to_string(number) + "件目";
    }
    for (size_t i = 0; i < row.size() && i < mapping.size(); ++i) {
      const ColumnTarget& target = mapping[i];
      if (target.kind == Kind::SendMark) {
        contact.sendMarks.push_back({target.year, row[i]});
      } else if (target.kind == Kind::ReceiveMark) {
        contact.receiveMarks.push_back({target.year, row[i]});
      } else if (target.field == ContactField::Ignore) {
        if (!row[i].empty()) unusedWithValues[i] = true;
      } else {
        contact.Add(target.field, row[i]);
      }
    }
    read.contacts.push_back(std::move(contact));
  }
  std::string unused;
  for (size_t i = 0; i < table.header.size(); ++i) {
    if (!unusedWithValues[i]) continue;
    unused += (unused.empty() ? "「" : "、「") + table.header[i] + "」";
  }
  if (!unused.empty()) {
    read.reports.insert(read.reports.begin(),
                        {ContactIssue::UnusedColumns, "取り込み先のない列 " + unused + " は取り込みません"});
  }
  if (!beyondHeader.empty()) {
    read.reports.insert(read.reports.begin(), {ContactIssue::UnusedColumns,
                                               "列名のない列の値（" + beyondHeader + "）は取り込みません"});
  }
  return read;
}

}  // namespace mirelon
