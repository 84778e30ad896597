#include "settings/WorkingFolder.h"

#include <cstdlib>
#include <system_error>

std::filesystem::path UserWorkingFolder()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data)
        return std::filesystem::path(data) / "squinx";
    const char* home = std::getenv("HOME");
    if (home && *home)
        return std::filesystem::path(home) / ".local" / "share" / "squinx";
    return {};
}

std::filesystem::path ProgramFile()
{
    std::error_code ec;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : program;
}
