#include "contacts/contact.h"

#include <algorithm>

namespace mirelon {

namespace {

struct FieldName {
  ContactField field;
  std::string_view code;
  std::string_view label;
};

constexpr FieldName kFieldNames[] = {
    {ContactField::Ignore, "ignore", "（取り込まない）"},
    {ContactField::RegistrationName, "registrationName", "登録名"},
    {ContactField::FamilyReading, "familyReading", "登録名（姓）"},
    {ContactField::GivenReading, "givenReading", "登録名（名）"},
    {ContactField::PostalCode, "postalCode", "郵便番号"},
    {ContactField::Address1, "address1", "住所"},
    {ContactField::Region, "region", "住所（都道府県）"},
    {ContactField::Locality, "locality", "住所（市区町村）"},
    {ContactField::Street, "street", "住所（番地）"},
    {ContactField::Address2, "address2", "住所２行目"},
    {ContactField::Company1, "company1", "会社・機関等"},
    {ContactField::Company2, "company2", "会社・機関等２行目"},
    {ContactField::Position, "position", "身分・役職等"},
    {ContactField::Name, "name", "名前"},
    {ContactField::FamilyName, "familyName", "名前（姓）"},
    {ContactField::GivenName, "givenName", "名前（名）"},
    {ContactField::Honorific, "honorific", "敬称"},
    {ContactField::JointName1, "jointName1", "連名１"},
    {ContactField::JointHonorific1, "jointHonorific1", "敬称１"},
    {ContactField::JointName2, "jointName2", "連名２"},
    {ContactField::JointHonorific2, "jointHonorific2", "敬称２"},
    {ContactField::JointName3, "jointName3", "連名３"},
    {ContactField::JointHonorific3, "jointHonorific3", "敬称３"},
    {ContactField::Phone, "phone", "電話番号"},
    {ContactField::Fax, "fax", "FAX番号"},
    {ContactField::Mobile, "mobile", "携帯番号"},
    {ContactField::Email, "email", "E-Mailアドレス"},
    {ContactField::Memo1, "memo1", "メモ１"},
    {ContactField::Memo2, "memo2", "メモ２"},
    {ContactField::InitialSendState, "initialSendState", "送信初期状態"},
    {ContactField::SendHistory, "sendHistory", "送信履歴"},
    {ContactField::ReceiveHistory, "receiveHistory", "受信履歴"},
};
static_assert(std::size(kFieldNames) == kContactFieldCount - 1, "every field has its names");

const FieldName& NameOf(ContactField field) {
  return *std::find_if(std::begin(kFieldNames), std::end(kFieldNames),
                       [field](const FieldName& name) { return name.field == field; });
}

}  // namespace

std::string_view FieldLabel(ContactField field) { return NameOf(field).label; }
std::string_view FieldCode(ContactField field) { return NameOf(field).code; }

std::optional<ContactField> FieldByName(std::string_view name) {
  for (const FieldName& entry : kFieldNames) {
    if (entry.code == name || entry.label == name) return entry.field;
  }
  return std::nullopt;
}

const std::vector<ContactField>& MappableFields() {
  static const std::vector<ContactField> fields = [] {
    std::vector<ContactField> all;
    for (const FieldName& entry : kFieldNames) all.push_back(entry.field);
    return all;
  }();
  return fields;
}

void Contact::Add(ContactField field, std::string value) {
  if (field == ContactField::Ignore || value.empty()) return;
  values[static_cast<size_t>(field)].push_back(std::move(value));
}

std::string Contact::Label() const {
  std::string name = First(ContactField::Name);
  if (name.empty()) {
    name = First(ContactField::FamilyName);
    const std::string given = First(ContactField::GivenName);
    if (!name.empty() && !given.empty()) name += "　";
    name += given;
  }
  std::string label = std::to_string(number) + "件目";
  if (!name.empty()) label += "「" + name + "」";
  return label;
}

std::string_view NoReadingName() { return "★★★★★"; }

}  // namespace mirelon
