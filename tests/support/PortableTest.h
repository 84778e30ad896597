#pragma once

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

// What the tests ask of the operating system, said once for Linux and Windows.

// A new, empty folder under the system's temporary folder, its name the
// prefix and a random suffix; aborts when none can be made.
inline std::filesystem::path MakeTempFolder(const std::string& prefix)
{
    std::mt19937_64 draw(std::random_device{}());
    const std::filesystem::path root = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::error_code ec;
        const std::filesystem::path candidate = root / (prefix + std::to_string(draw()));
        if (std::filesystem::create_directory(candidate, ec))
            return candidate;
    }
    std::abort();
}

inline void SetEnvironment(const char* name, const char* value)
{
#ifdef _WIN32
    _putenv_s(name, value);
#else
    setenv(name, value, 1);
#endif
}

inline void UnsetEnvironment(const char* name)
{
#ifdef _WIN32
    _putenv_s(name, "");  // an empty value removes the variable
#else
    unsetenv(name);
#endif
}
