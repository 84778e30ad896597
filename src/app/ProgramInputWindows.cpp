#include "app/ProgramInput.h"

#include <wx/string.h>

#include <windows.h>

#include <shellapi.h>

#include <cstdlib>

std::vector<std::string> ProgramArguments(int argc, char** argv)
{
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    if (!wide)
        return std::vector<std::string>(argv + 1, argv + argc);
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(wxString(wide[i]).utf8_string());
    ::LocalFree(wide);
    return arguments;
}

std::string EnvironmentText(const char* name)
{
    const wchar_t* value = ::_wgetenv(wxString(name).wc_str());
    return value ? wxString(value).utf8_string() : std::string();
}
