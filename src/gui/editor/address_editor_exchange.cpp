// The editor's members: their binding to the controls and their copying from and to records.
#include <array>
#include <utility>

#include "appcore/app_state.h"
#include "gui/editor/address_editor_dialog.h"
#include "gui/editor/editor_services.h"
#include "text/cp932.h"
#include "text/sjis.h"

namespace mirelon {
namespace {

using TextField = std::pair<std::string PageMembers::*, std::string AddressRecord::*>;

// The 21 text fields, in the record's order.
constexpr std::array<TextField, 21> kTextFields{{
    {&PageMembers::registrationName, &AddressRecord::registrationName},
    {&PageMembers::postalCode, &AddressRecord::postalCode},
    {&PageMembers::address1, &AddressRecord::address1},
    {&PageMembers::address2, &AddressRecord::address2},
    {&PageMembers::company1, &AddressRecord::company1},
    {&PageMembers::company2, &AddressRecord::company2},
    {&PageMembers::position, &AddressRecord::position},
    {&PageMembers::name, &AddressRecord::name},
    {&PageMembers::honorific, &AddressRecord::honorific},
    {&PageMembers::jointName1, &AddressRecord::jointName1},
    {&PageMembers::jointHonorific1, &AddressRecord::jointHonorific1},
    {&PageMembers::jointName2, &AddressRecord::jointName2},
    {&PageMembers::jointHonorific2, &AddressRecord::jointHonorific2},
    {&PageMembers::jointName3, &AddressRecord::jointName3},
    {&PageMembers::jointHonorific3, &AddressRecord::jointHonorific3},
    {&PageMembers::phone, &AddressRecord::phone},
    {&PageMembers::fax, &AddressRecord::fax},
    {&PageMembers::mobile, &AddressRecord::mobile},
    {&PageMembers::email, &AddressRecord::email},
    {&PageMembers::memo1, &AddressRecord::memo1},
    {&PageMembers::memo2, &AddressRecord::memo2},
}};

constexpr std::array kHonorifics{&AddressRecord::honorific, &AddressRecord::jointHonorific1,
                                 &AddressRecord::jointHonorific2, &AddressRecord::jointHonorific3};

}  // namespace

void AddressEditorDialog::BindMembers() {
  using namespace res;
  PageMembers& m = members_;
  exchange_.BindText(kIdRegistrationName, &m.registrationName, kTextLimit, "登録名");
  exchange_.BindText(kIdPostalCode, &m.postalCode, kTextLimit, "郵便番号");
  exchange_.BindText(kIdAddress1, &m.address1, kTextLimit, "住所");
  exchange_.BindText(kIdAddress2, &m.address2, kTextLimit, "住所２行目");
  exchange_.BindText(kIdCompany1, &m.company1, kTextLimit, "会社・機関等");
  exchange_.BindText(kIdCompany2, &m.company2, kTextLimit, "会社・機関等２行目");
  exchange_.BindText(kIdPosition, &m.position, kTextLimit, "身分・役職等");
  exchange_.BindText(kIdName, &m.name, kTextLimit, "名前");
  exchange_.BindText(kIdHonorific, &m.honorific, kHonorificLimit, "名前の敬称");
  exchange_.BindText(kIdJointName1, &m.jointName1, kTextLimit, "連名１");
  exchange_.BindText(kIdJointHonorific1, &m.jointHonorific1, kHonorificLimit, "連名１の敬称");
  exchange_.BindText(kIdJointName2, &m.jointName2, kTextLimit, "連名２");
  exchange_.BindText(kIdJointHonorific2, &m.jointHonorific2, kHonorificLimit, "連名２の敬称");
  exchange_.BindText(kIdJointName3, &m.jointName3, kTextLimit, "連名３");
  exchange_.BindText(kIdJointHonorific3, &m.jointHonorific3, kHonorificLimit, "連名３の敬称");
  exchange_.BindText(kIdPhone, &m.phone, 0, "電話番号");
  exchange_.BindText(kIdFax, &m.fax, 0, "FAX番号");
  exchange_.BindText(kIdMobile, &m.mobile, 0, "携帯番号");
  exchange_.BindText(kIdEmail, &m.email, 0, "E-Mailアドレス");
  exchange_.BindText(kIdMemo1, &m.memo1, 0, "メモ１");
  exchange_.BindText(kIdMemo2, &m.memo2, 0, "メモ２");
  exchange_.BindChoice(kIdSendState, &m.sendState);
  for (int i = 0; i < kHistoryColumns; ++i) exchange_.BindText(kIdFirstSendMark + i, &m.sendMarks[i], kMarkLimit, "送信履歴");
  for (int i = 0; i < kHistoryColumns; ++i) {
    exchange_.BindText(kIdFirstReceiveMark + i, &m.receiveMarks[i], kMarkLimit, "受信履歴");
  }
  exchange_.BindConfirmedNumber(kIdPageNumber, &book_.currentPage, 1, kMaxPage);
}

void AddressEditorDialog::ShowRecordInMembers(const AddressRecord& record) {
  for (const auto& [member, field] : kTextFields) members_.*member = record.*field;
  members_.sendState = record.initialSendState == NoSendStateText() ? NoSendStateText() : SendStateText();
  members_.sendMarks = SplitHistoryCells(record.sendHistory);
  members_.receiveMarks = SplitHistoryCells(record.receiveHistory);
  ForgetHistoryBases();
}

void AddressEditorDialog::ClearMembers() {
  for (const auto& [member, field] : kTextFields) (members_.*member).clear();
  members_.sendState = SendStateText();
  members_.sendMarks = SplitHistoryCells(BlankMark());
  members_.receiveMarks = members_.sendMarks;
  ForgetHistoryBases();
}

void AddressEditorDialog::ForgetHistoryBases() {
  sendHistoryBase_.reset();
  receiveHistoryBase_.reset();
}

void AddressEditorDialog::ShowPage(int page) {
  if (page < 1 || page > book_.recordCount()) return;
  ShowRecordInMembers(book_.record(page - 1));
  exchange_.Push();
  // The spin steps from the page on display, however the editor got there.
  SyncPageSpin(page);
  UpdateEnabling();
  pageModified_ = false;
}

void AddressEditorDialog::ApplyFields(const FoundFields& found) {
  // Address line 2 and company line 2 stay: the user corrects them after the rewrite.
  if (!found.address1.empty()) members_.address1 = found.address1;
  if (!found.postalCode.empty()) members_.postalCode = found.postalCode;
  if (!found.company1.empty()) members_.company1 = found.company1;
  exchange_.Push();
  MarkModified();
}

void AddressEditorDialog::CollectPage(AddressRecord& record) const {
  for (const auto& [member, field] : kTextFields) {
    if (member != &PageMembers::registrationName) record.*field = members_.*member;
  }
  // A double-byte character that would cross the limit is dropped whole.
  for (auto honorific : kHonorifics) FitToHalfWidth(record.*honorific, res::kHonorificLimit, false);
  record.initialSendState = members_.sendState;
  if (sendHistoryBase_) record.sendHistory = *sendHistoryBase_;
  if (receiveHistoryBase_) record.receiveHistory = *receiveHistoryBase_;
  JoinHistoryCells(record.sendHistory, members_.sendMarks);
  JoinHistoryCells(record.receiveHistory, members_.receiveMarks);
}

}  // namespace mirelon
