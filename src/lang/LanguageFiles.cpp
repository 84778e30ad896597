#include "lang/LanguageFiles.h"

#include "lang/LanguageTable.h"
#include "lang/TextIds.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

bool IsLanguageFileName(const std::string& name)
{
    static const std::string extension = ".lan";
    return !name.empty() && name[0] != '.' && name.size() > extension.size() &&
           name.compare(name.size() - extension.size(), extension.size(), extension) == 0;
}

std::vector<std::string> ListLanguageFiles(const std::filesystem::path& folder)
{
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::string name;
        try {
            name = it->path().filename().u8string();
        } catch (const fs::filesystem_error&) {
            // A Windows name may hold an unpaired half of a character, which UTF-8 cannot.
            continue;
        }
        std::error_code typeError;
        if (IsLanguageFileName(name) && it->is_regular_file(typeError))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string LanguageMenuLabel(const std::string& fileName)
{
    return fileName.substr(0, fileName.find('.'));
}

std::string LanguageCodeOf(const std::filesystem::path& path)
{
    LanguageTable table;
    return table.Load(path) ? table.GetOr(Text::LanguageCode, std::string()) : std::string();
}
