#include "cli/StartFolder.h"

#include "settings/FileIo.h"
#include "settings/WorkingFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

std::string StartFolder()
{
    const char* folder = std::getenv(kStartFolderVariable);
    return folder ? folder : "";
}

bool EnterWorkingFolder(std::string& startFolder, std::string& error)
{
    const std::filesystem::path shipped = ShippedDataFolder(SQUINX_DATA_FROM_PROGRAM);
    return shipped.empty() || EnterWorkingFolder(shipped, UserWorkingFolder(), startFolder, error);
}

bool EnterWorkingFolder(const std::filesystem::path& shipped, const std::filesystem::path& folder,
                        std::string& startFolder, std::string& error)
{
    namespace fs = std::filesystem;
    if (folder.empty()) {
        error = "The system names no folder for the user's files (HOME, or APPDATA on Windows).";
        return false;
    }
    if (!UpdateWorkingFolder(shipped, folder, error))
        return false;
    std::error_code ec;
    const fs::path here = fs::current_path(ec);
    if (startFolder.empty() && !ec) {
        // Command-line names are 8-bit strings; on Windows a folder whose
        // name lies outside the code page cannot be one.
        try {
            startFolder = here.string();
        } catch (const fs::filesystem_error&) {
            error = "The folder Squinx was started in has a name outside the system's code page.";
            return false;
        }
    }
    fs::current_path(folder, ec);
    if (ec)
        error = "Cannot change into \"" + PathForMessage(folder) + "\": " + ec.message() + ".";
    return !ec;
}

std::string ResolveFromStartFolder(const std::string& path, const std::string& startFolder)
{
    const std::filesystem::path given(path);
    if (startFolder.empty() || path.empty() || given.is_absolute())
        return path;
    // One kind of separator in what the title and messages show (Windows has two).
    return (std::filesystem::path(startFolder) / given).make_preferred().string();
}
