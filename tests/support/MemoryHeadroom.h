#pragma once

#include <cstddef>
#include <fstream>
#include <functional>

// Runs a check in a child process whose address space may grow by only
// headroom more bytes, so that a large allocation fails there as it does on
// a machine short of memory. The test process itself keeps its memory.

// AddressSanitizer reserves terabytes of address space up front, so such a
// limit cannot be set under it. Test sources themselves are built without
// the instrumentation, so the build says whether the program has it.
#if defined(SQUINX_SANITIZED)
#define SQUINX_MEMORY_HEADROOM_UNAVAILABLE "address-space limits do not work under AddressSanitizer"
#elif defined(_WIN32)
#define SQUINX_MEMORY_HEADROOM_UNAVAILABLE                                                                             \
    "the check needs fork() and an address-space limit (setrlimit), which Windows lacks"
#else
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

enum class HeadroomRun {
    Passed,   // the check returned true
    Failed,   // the check returned false
    Threw,    // the check let an exception out, such as std::bad_alloc
    Crashed,  // the child died
    NoLimit,  // the limit could not be set
};

#ifndef SQUINX_MEMORY_HEADROOM_UNAVAILABLE
inline HeadroomRun RunWithMemoryHeadroom(std::size_t headroom, const std::function<bool()>& check)
{
    const pid_t child = ::fork();
    if (child < 0)
        return HeadroomRun::NoLimit;
    if (child == 0) {
        unsigned long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        struct rlimit limit {};
        limit.rlim_cur = limit.rlim_max = pages * static_cast<unsigned long>(::sysconf(_SC_PAGESIZE)) + headroom;
        if (pages == 0 || ::setrlimit(RLIMIT_AS, &limit) != 0)
            ::_exit(3);
        // The child must never return into the test framework, which would
        // go on to run the remaining tests a second time.
        try {
            ::_exit(check() ? 0 : 1);
        } catch (...) {
            ::_exit(2);
        }
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return HeadroomRun::Crashed;
    switch (WEXITSTATUS(status)) {
    case 0:
        return HeadroomRun::Passed;
    case 2:
        return HeadroomRun::Threw;
    case 3:
        return HeadroomRun::NoLimit;
    default:
        return HeadroomRun::Failed;
    }
}
#endif
