#include "tool/tool_commands.h"

#include <algorithm>
#include <array>

namespace mirelon::tool {

namespace {

constexpr std::array kCommands = std::to_array<CommandEntry>({
    {"advance", "SRC.csv MARK", "move every history on by one year, MARK being the mark of those not sent to",
     RunAdvance},
    {"cards", "SRC.csv --pdf OUT.pdf [--stock ordinary|new-year|plain] [--records send|all|N,N-M] "
              "[--numbers kanji|tens|digits] [--offset X,Y] [--sender-offset X,Y] [--rotate180] "
              "[--sender-code CODE --sender-address TEXT [--sender-address2 TEXT] --sender-name TEXT "
              "[--sender-joint TEXT]] [--no-default-honorific] [--keep-joint-family] [--calibration]",
     "lay out the address sides of SRC's cards into OUT, one page per card: by default those the newest send mark "
     "sends, with all every record with an address, or the records numbered N; the cards that would come out "
     "wrong are listed on standard error first; with --calibration, the calibration sheet (no SRC needed)",
     RunCards},
    {"check", "SRC.csv DATA.csv",
     "check every postal code of SRC's book against its address in the postal data file DATA; prints the records "
     "to check",
     RunCheck},
    {"contacts-export", "BOOK.csv OUT.vcf|OUT.csv",
     "write BOOK's records for other programs: as vCard 3.0 (UTF-8) for phones, or as a table in UTF-8 with "
     "Japanese column names for spreadsheets",
     RunContactsExport},
    {"contacts-import", "FILE.vcf|FILE.csv BOOK.csv [--map COLUMN=FIELD,...]",
     "add the contacts of a vCard file or a table with a header row to BOOK's family (made when it does not "
     "exist); prints the counts (new, updated, unchanged, refused) and every report; --map says where columns go "
     "(FIELD a field's name, e.g. name, registrationName, phone, or its Japanese label)",
     RunContactsImport},
    {"copy", "SRC.csv DEST.csv", "read SRC's book as the program does and write it as the new book DEST", RunCopy},
    {"export", "SRC.csv", "write the import file (SRC's name + \"_imp\") of SRC's book", RunExport},
    {"list", "SRC.csv [--format FORMAT.dat] [--page LINESxCELLS [--wrap]]",
     "print the list table of SRC's book (with --sjis in Shift-JIS); with --page, in pages of LINES lines of CELLS "
     "half-width cells as the printout lays it out (long lines clipped, or wrapped with --wrap), a form feed between "
     "pages; the status line goes last to standard error",
     RunList},
    {"lookup", "DATA.csv [--code TEXT] [--address TEXT] [--company TEXT]",
     "search the postal data file DATA (and the business file beside it) as the postal search button does; prints "
     "the result dialog and its lines",
     RunLookup},
    {"postal-import", "KEN_ALL.CSV [JIGYOSYO.CSV] [--to FOLDER]",
     "convert the public postal-code list (the address file in Shift-JIS or UTF-8, the business file) into the "
     "postal data files QUELTAUNIJUSHO.CSV and QUELTAUNIJIGYO.CSV in FOLDER (default the user's data folder: "
     "$XDG_DATA_HOME/Mirelon, on Windows %LOCALAPPDATA%\\Mirelon)",
     RunPostalImport},
});

static_assert(std::ranges::is_sorted(kCommands, {}, &CommandEntry::name), "--help lists the commands by name");

}  // namespace

std::span<const CommandEntry> Commands() { return kCommands; }

const CommandEntry* FindCommand(std::string_view name) {
  const auto found = std::ranges::find(kCommands, name, &CommandEntry::name);
  return found == kCommands.end() ? nullptr : &*found;
}

}  // namespace mirelon::tool
