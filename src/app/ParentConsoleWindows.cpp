#include "app/ParentConsole.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

UINT codePageBefore = 0;

// The console is the caller's, and goes on showing its own programs' output.
void RestoreCodePage()
{
    std::cout.flush();
    std::cerr.flush();
    ::SetConsoleOutputCP(codePageBefore);
}

// A stream the caller redirected to a file or a pipe stays where it points.
bool Unconnected(DWORD stream)
{
    const HANDLE handle = ::GetStdHandle(stream);
    return handle == nullptr || handle == INVALID_HANDLE_VALUE || ::GetFileType(handle) == FILE_TYPE_UNKNOWN;
}

}  // namespace

void UseParentConsole()
{
    const bool output = Unconnected(STD_OUTPUT_HANDLE);
    const bool errors = Unconnected(STD_ERROR_HANDLE);
    if (!(output || errors) || !::AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (output && std::freopen("CONOUT$", "w", stdout))
        std::cout.clear();
    if (errors && std::freopen("CONOUT$", "w", stderr))
        std::cerr.clear();
    // The commands print names and texts in UTF-8.
    codePageBefore = ::GetConsoleOutputCP();
    if (::SetConsoleOutputCP(CP_UTF8))
        std::atexit(RestoreCodePage);
}
