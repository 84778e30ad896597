#include "settings/WorkingFolder.h"

#include <windows.h>

#include <shlobj.h>

#include <vector>

std::filesystem::path UserWorkingFolder()
{
    wchar_t* roaming = nullptr;
    std::filesystem::path folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming)))
        folder = std::filesystem::path(roaming) / L"Squinx";
    ::CoTaskMemFree(roaming);
    return folder;
}

std::filesystem::path ProgramFile()
{
    // Long paths may exceed MAX_PATH; the buffer grows until the name fits.
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            return {};
        if (length < name.size())
            return std::filesystem::path(std::wstring(name.data(), length));
        name.resize(name.size() * 2);
    }
}
