// The address editor's resources: its control numbers (wx window ids equal them), its two dialog
// templates and the system-menu entry of the version box.
#pragma once

#include "res/dialog_template.h"

namespace mirelon::res {

// Template numbers.
inline constexpr int kEditorFullTemplate = 130;
inline constexpr int kEditorCompactTemplate = 138;

// Buttons.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;  // "終　了"
inline constexpr int kIdOpenList = 1000;
inline constexpr int kIdReadFile = 1001;
inline constexpr int kIdWriteFile = 1002;
inline constexpr int kIdOptions = 1003;
inline constexpr int kIdLaunchQuelta = 1172;
inline constexpr int kIdOnlineHelp = 1199;
inline constexpr int kIdNewPage = 1055;
inline constexpr int kIdDeletePage = 1056;
inline constexpr int kIdIndex = 1063;
inline constexpr int kIdPostalSearch = 1174;
inline constexpr int kIdSendHistory = 1065;
inline constexpr int kIdReceiveHistory = 1066;

// Labels.
inline constexpr int kIdFileName = 1057;
inline constexpr int kIdRecordCount = 1058;
inline constexpr int kIdMemoTitle1 = 1043;
inline constexpr int kIdMemoTitle2 = 1044;
inline constexpr int kIdFirstYear = 1050;    // 1050..1054, oldest first
inline constexpr int kIdFirstZodiac = 1045;  // 1045..1049
inline constexpr int kIdConversionIndicator = 1170;
inline constexpr int kIdExplanationPanel = 1173;

// Page.
inline constexpr int kIdPageNumber = 1039;
inline constexpr int kIdPageSpin = 1041;

// Address side.
inline constexpr int kIdRegistrationName = 1005;
inline constexpr int kIdPostalCode = 1006;
inline constexpr int kIdAddress1 = 1007;
inline constexpr int kIdAddress2 = 1008;
inline constexpr int kIdCompany1 = 1009;
inline constexpr int kIdCompany2 = 1010;
inline constexpr int kIdPosition = 1011;
inline constexpr int kIdName = 1012;
inline constexpr int kIdJointName1 = 1013;
inline constexpr int kIdJointName2 = 1014;
inline constexpr int kIdJointName3 = 1015;
inline constexpr int kIdHonorific = 1035;
inline constexpr int kIdJointHonorific1 = 1036;
inline constexpr int kIdJointHonorific2 = 1037;
inline constexpr int kIdJointHonorific3 = 1038;

// Contact and history side.
inline constexpr int kIdPhone = 1017;
inline constexpr int kIdFax = 1018;
inline constexpr int kIdMobile = 1019;
inline constexpr int kIdEmail = 1020;
inline constexpr int kIdMemo1 = 1021;
inline constexpr int kIdMemo2 = 1022;
inline constexpr int kIdFirstSendMark = 1025;     // 1025..1029, oldest first
inline constexpr int kIdFirstReceiveMark = 1030;  // 1030..1034
inline constexpr int kIdSendState = 1042;

inline constexpr int kHistoryColumns = 5;

// Labels without a number of their own in the templates.
inline constexpr int kIdStatic = -1;

// The version box's entry in the editor's system (or context) menu.
inline constexpr int kCommandAbout = 16;
inline constexpr std::string_view kAboutMenuText = "Mirelon のﾊﾞｰｼﾞｮﾝ情報(&A)...";  // string 129

// Byte limits of the editor's fields.
inline constexpr int kTextLimit = 100;
inline constexpr int kHonorificLimit = 20;
inline constexpr int kMarkLimit = 2;
inline constexpr int kMaxPage = 1000;

const DialogTemplate& EditorTemplate(int number);  // 130 or 138

}  // namespace mirelon::res
