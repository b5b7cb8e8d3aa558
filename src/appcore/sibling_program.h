// The sibling address-printing program as the editor meets it: its executable taken from the
// settings, the postal data file found for the postal search, where the chooser for its executable
// opens, starting it, and whether its window is open.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "appcore/sibling_program_data.h"
#include "platform/process.h"
#include "platform/settings_store.h"

namespace mirelon {

inline constexpr std::string_view kQueltaWindowTitle = "Quelta";

// Forgets what `sibling` knew, then takes the stored executable when it names an existing file,
// with its folder, and looks for the postal data.
void ReadQueltaPath(const SettingsStore& settings, SiblingProgramData& sibling);
// The same for an executable the user has just chosen, which is not stored yet.
void TakeQueltaPath(const std::filesystem::path& executable, SiblingProgramData& sibling);

// Forgets a postal data file that has gone; while none is known, looks in the sibling's folder
// (UTF-16 file, then Shift-JIS), in the user's documents folder (UTF-16 only), and in the user's
// data folder, where `mirelon-tool postal-import` puts the converted public list (UTF-16 only).
void ProbePostalData(SiblingProgramData& sibling);

// The tooltip of the postal search button (UTF-8, CR LF breaks): while no postal data file is
// known, where it was looked for, the file names needed there and how to make the data; with a
// postal code typed that is no seven-digit code (CP932), `usual` and the word that the address is
// searched instead; otherwise `usual`.
std::string PostalSearchTooltip(const SiblingProgramData& sibling, std::string_view typedCode, std::string_view usual);

// True when the executable has to be chosen first: none stored, or it is gone.
bool QueltaNeedsChoosing(const SiblingProgramData& sibling);

// Where the chooser for the executable opens: the stored executable when it exists, else the
// folder that holds the program's own folder.
std::filesystem::path QueltaChooserStart(const SiblingProgramData& sibling);

// Starts the executable with its own path as the whole argument vector, in its folder. Null when
// it could not be started.
std::unique_ptr<StartedProcess> StartQuelta(const SiblingProgramData& sibling);

// A visible window titled "Quelta" of the sibling program (named by its executable, or opened by
// `started`, which may be null) is open. Where other programs' windows cannot be seen, `started`
// still running stands in for its window.
bool IsQueltaRunning(const SiblingProgramData& sibling, StartedProcess* started);

}  // namespace mirelon
