#include "cli/StartFolder.h"

#include <cstdlib>
#include <filesystem>

std::string StartFolder()
{
    const char* folder = std::getenv(kStartFolderVariable);
    return folder ? folder : "";
}

std::string ResolveFromStartFolder(const std::string& path, const std::string& startFolder)
{
    const std::filesystem::path given(path);
    if (startFolder.empty() || path.empty() || given.is_absolute())
        return path;
    return (std::filesystem::path(startFolder) / given).string();
}
