// The contacts windows' resources: the editor's two menu entries, the import window (preview and
// reports) and the column-map window, with their control numbers (wx ids equal them).
#pragma once

#include <string_view>

#include "res/dialog_template.h"
#include "res/tooltip_entry.h"

namespace mirelon::res {

// Entries of the editor's window menu, above the version box.
inline constexpr int kCommandImportContacts = 17;
inline constexpr int kCommandExportContacts = 18;
inline constexpr std::string_view kImportContactsMenuText = "連絡先の取り込み...";
inline constexpr std::string_view kExportContactsMenuText = "連絡先の書き出し...";

inline constexpr int kContactImportTemplate = 160;
inline constexpr int kIdContactImport = 1;             // "取り込む"
inline constexpr int kIdContactFileName = 1300;        // the file read
inline constexpr int kIdContactCounts = 1301;          // new, updated, unchanged, refused
inline constexpr int kIdContactEntries = 1302;         // one line per contact with its verdict
inline constexpr int kIdContactReports = 1303;         // every report, selectable
inline constexpr int kIdCopyContactReports = 1304;     // "報告をコピー"
inline constexpr int kIdContactColumns = 1305;         // "列の対応..." (tables)
inline constexpr int kIdContactLabel = -1;

inline constexpr int kColumnMapTemplate = 161;
inline constexpr int kIdColumnPreview = 1310;          // the first rows under their columns
inline constexpr int kIdColumnChoice = 1311;           // the column to place
inline constexpr int kIdColumnField = 1312;            // where it goes

const DialogTemplate& ContactImportTemplate();
const DialogTemplate& ColumnMapTemplate();
const std::vector<TooltipEntry>& ContactImportTooltips();
const std::vector<TooltipEntry>& ColumnMapTooltips();

}  // namespace mirelon::res
