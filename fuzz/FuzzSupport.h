#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "../tests/support/PortableTest.h"

// A property every input must keep; a broken one is a finding like a crash.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);                         \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// Makes folder the temporary folder of this process and the harnesses' scratch folders.
inline bool PointTempFolderAt(const std::filesystem::path& folder)
{
#ifdef _WIN32
    return _putenv_s("TMP", folder.string().c_str()) == 0;
#else
    return ::setenv("TMPDIR", folder.c_str(), 1) == 0;
#endif
}

// A folder of the fuzzing process for the readers that take a path: each
// input is written to a file there and read back through the real reader.
// It lives in the temporary folder (TMPDIR; TMP on Windows), which
// scripts/fuzz.sh points at a folder of its own (in memory where it can) and
// removes afterwards: libFuzzer ends the process without running destructors.
class ScratchFolder {
public:
    ScratchFolder() : m_folder(MakeUniqueFolder(std::filesystem::temp_directory_path(), "squinx-fuzz-")) {}

    // Replaces the file name in the folder with the bytes and returns its path.
    std::string Write(const char* name, const std::uint8_t* data, std::size_t size) const
    {
        const std::string path = (m_folder / name).string();
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        out.close();
        if (!out)
            std::abort();
        return path;
    }

private:
    std::filesystem::path m_folder;
};

// The folder of this process, made on first use.
inline const ScratchFolder& Scratch()
{
    static const ScratchFolder folder;
    return folder;
}
