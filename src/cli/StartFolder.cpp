#include "cli/StartFolder.h"

#include "settings/FileIo.h"
#include "settings/WorkingFolder.h"

#include <filesystem>
#include <system_error>

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
        // Windows' names are UTF-16, which may hold an unpaired half of a
        // character that no UTF-8 string can.
        try {
            startFolder = here.u8string();
        } catch (const fs::filesystem_error&) {
            error = "The name of the folder Squinx was started in is not valid Unicode.";
            return false;
        }
    }
    fs::current_path(folder, ec);
    if (ec)
        error = "Cannot change into \"" + PathForMessage(folder) + "\": " + ec.message() + ".";
    return !ec;
}

std::filesystem::path ResolveFromStartFolder(const std::string& name, const std::string& startFolder)
{
    namespace fs = std::filesystem;
    const fs::path given = fs::u8path(name);
    if (startFolder.empty() || name.empty() || given.is_absolute())
        return given;
    // One kind of separator in what the title and messages show (Windows has two).
    return (fs::u8path(startFolder) / given).make_preferred();
}
