#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// A property every input must keep; a broken one is a finding like a crash.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);                         \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

// A folder of the fuzzing process for the readers that take a path: each
// input is written to a file there and read back through the real reader.
// It lives under TMPDIR, which scripts/fuzz.sh points at a folder of its own
// (in memory where it can) and removes afterwards: libFuzzer ends the process
// without running destructors.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = TempRoot() + "/squinx-fuzz-XXXXXX";
        if (::mkdtemp(&pattern[0]) == nullptr)
            std::abort();
        m_folder = pattern;
    }

    // Replaces the file name in the folder with the bytes and returns its path.
    std::string Write(const char* name, const std::uint8_t* data, std::size_t size) const
    {
        const std::string path = m_folder + "/" + name;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0)
            std::abort();
        for (std::size_t done = 0; done < size;) {
            const ssize_t n = ::write(fd, data + done, size - done);
            if (n <= 0)
                std::abort();
            done += static_cast<std::size_t>(n);
        }
        ::close(fd);
        return path;
    }

private:
    static std::string TempRoot()
    {
        const char* tmp = std::getenv("TMPDIR");
        return tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
    }

    std::string m_folder;
};

// The folder of this process, made on first use.
inline const ScratchFolder& Scratch()
{
    static const ScratchFolder folder;
    return folder;
}
