#include "settings/ToolkitPath.h"

#include <string>
#include <type_traits>

namespace {

constexpr bool kWideNames = std::is_same_v<std::filesystem::path::value_type, wchar_t>;

}  // namespace

std::filesystem::path ToPath(const wxString& name)
{
    if constexpr (kWideNames)
        return std::filesystem::path(name.ToStdWstring());
    else
        return std::filesystem::path(std::string(name.mb_str(wxConvFile)));
}

wxString ToWxString(const std::filesystem::path& path)
{
    if constexpr (kWideNames)
        return wxString(path.wstring());
    else
        return wxString(path.string().c_str(), wxConvFile);
}
