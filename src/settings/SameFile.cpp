#include "settings/SameFile.h"

#include <filesystem>
#include <system_error>

bool IsSameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    if (a.empty() || b.empty())
        return false;
    std::error_code error;
    return std::filesystem::equivalent(a, b, error) && !error;
}
