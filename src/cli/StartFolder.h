#pragma once

#include <filesystem>
#include <string>

// The installed program changes into the user's working folder as it starts;
// the folder it was called from stays the one relative names on the command
// line are taken from. A launcher that changes the folder itself names the
// folder it was called from in this variable. Names and folders given as
// strings are UTF-8, on every system.
inline constexpr char kStartFolderVariable[] = "SQUINX_START_FOLDER";

// An installed program (one with its data beside it, see
// settings/WorkingFolder.h) brings the user's working folder up to date and
// changes into it; startFolder, when empty, becomes the folder it was
// started in. A program in a build folder stays where it was started. False
// with error (English) when the folder cannot be prepared.
bool EnterWorkingFolder(std::string& startFolder, std::string& error);
// The same for the given shipped data and working folder.
bool EnterWorkingFolder(const std::filesystem::path& shipped, const std::filesystem::path& folder,
                        std::string& startFolder, std::string& error);

// The file the user meant by name: relative names are taken from startFolder.
std::filesystem::path ResolveFromStartFolder(const std::string& name, const std::string& startFolder);
