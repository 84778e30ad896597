#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

// What the tests ask of the operating system, said once for Linux and Windows.

// A new, empty folder in root named prefix and a random suffix; aborts when
// none can be made.
inline std::filesystem::path MakeUniqueFolder(const std::filesystem::path& root, const std::string& prefix)
{
    std::mt19937_64 draw(std::random_device{}());
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::error_code ec;
        const std::filesystem::path candidate = root / (prefix + std::to_string(draw()));
        if (std::filesystem::create_directory(candidate, ec))
            return candidate;
    }
    std::abort();
}

// The same under the system's temporary folder.
inline std::filesystem::path MakeTempFolder(const std::string& prefix)
{
    return MakeUniqueFolder(std::filesystem::temp_directory_path(), prefix);
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

// A file's bytes; empty when it cannot be read.
inline std::string Slurp(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Makes content the file's bytes, and its folder first where there is none.
inline void Spit(const std::filesystem::path& path, const std::string& content)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}
