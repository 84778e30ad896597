#include "app/ParentConsole.h"

#include <windows.h>

#include <cstdio>
#include <iostream>

namespace {

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
}
