#pragma once

// Windows has no limit a process can put on the size of the files it writes.
#ifdef _WIN32
#define SQUINX_FILE_SIZE_LIMIT_UNAVAILABLE "Windows cannot limit the size of the files a process writes"
#else
#include <sys/resource.h>

// Makes every file this process writes stop at `bytes`, as a full disk would;
// unlike a read-only folder it binds root too. The writer sees EFBIG only when
// SIGXFSZ is ignored, as the program's start-up does (IgnoreFileSizeSignal);
// otherwise the process is killed. The old limit comes back at the end of scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_original);
        rlimit limited = m_original;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_original); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_original{};
};
#endif
