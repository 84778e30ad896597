#pragma once

#include <string>

// The launcher changes into the program's working folder before it starts
// the program, and leaves the folder it was called from in this variable, so
// relative names on the command line still mean what the user typed.
inline constexpr char kStartFolderVariable[] = "SQUINX_START_FOLDER";

// The folder relative names on the command line are taken from: the
// launcher's variable when it is set, else "" (the current folder).
std::string StartFolder();

// path as the user meant it: relative names are taken from startFolder.
std::string ResolveFromStartFolder(const std::string& path, const std::string& startFolder);
