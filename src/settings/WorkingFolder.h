#pragma once

#include <filesystem>
#include <string>

// Each user works in a folder of his own, which the program fills from the
// installed data and keeps up to date on every start: a shipped file missing
// there is copied in, and a copy the user never changed is brought up to
// this release; the user's own or edited files are never overwritten.
// A pristine copy of what was last shipped is kept in the folder's
// ".shipped"; copies made by the first release, which kept none, are known
// by their sums in the installed ".earlier-shipped.md5" (md5sum's lines,
// "<sum>  ./<name>"). Names beginning with a dot are not shipped.
//
// On failure error names the file and the reason; what was done stays.
bool UpdateWorkingFolder(const std::filesystem::path& shipped, const std::filesystem::path& folder, std::string& error);

// The user's working folder: %APPDATA%\Squinx on Windows, elsewhere
// $XDG_DATA_HOME/squinx or ~/.local/share/squinx. Empty when the system
// names no place for it (WorkingFolderPosix.cpp, WorkingFolderWindows.cpp).
std::filesystem::path UserWorkingFolder();

// The running program's own file; empty when the system does not say.
std::filesystem::path ProgramFile();

// The installed data beside the running program, given where it lies from
// the program's folder; empty when there is none, as in a build folder.
std::filesystem::path ShippedDataFolder(const std::filesystem::path& fromProgram);
