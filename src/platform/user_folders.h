// The folders the desktop gives the program and its user. On Linux they follow the XDG base
// directory and user directory conventions, on Windows they are the shell's known folders (named
// below in brackets); each answer is an absolute path, or empty when the environment names none.
#pragma once

#include <filesystem>
#include <vector>

namespace mirelon {

// The running program's executable.
std::filesystem::path ProgramExecutablePath();

// The program's own read-only files (manual, sample book): <executable's folder>/../share/mirelon.
// An installed tree and the build tree have the same layout (the build puts the programs in bin/
// and copies the files into share/mirelon/).
std::filesystem::path ProgramDataFolder();

// The user's documents folder: XDG_DOCUMENTS_DIR from user-dirs.dirs, else $HOME/Documents when it
// exists, else $HOME. [Documents]
std::filesystem::path UserDocumentsFolder();

// Where the program keeps data of its own for the user: $XDG_DATA_HOME/Mirelon, by default
// ~/.local/share/Mirelon (not created here). [LocalAppData]\Mirelon
std::filesystem::path UserDataFolder();

// Where the card fonts are looked for, in order: the program's own fonts folder
// (<ProgramDataFolder()>/fonts, for a program that carries them), then the system's copies
// (Debian's IPA font packages; [Fonts]).
std::vector<std::filesystem::path> FontFolders();

// Where the user's settings file lives: $XDG_CONFIG_HOME, by default ~/.config. [RoamingAppData],
// where Windows programs keep such files; the program's own settings are in the registry there.
std::filesystem::path UserConfigFolder();

}  // namespace mirelon
