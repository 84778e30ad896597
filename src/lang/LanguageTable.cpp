#include "lang/LanguageTable.h"

#include "lang/AddedTexts.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

const std::string notDefined = "--NOT DEFINED--";

std::string ExpandLineBreaks(const std::string& line)
{
    std::string out;
    out.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += line[i];
        }
    }
    return out;
}

}  // namespace

bool LanguageTable::Load(const std::filesystem::path& path)
{
    const std::string name = path.u8string();
    m_entries.clear();
    m_lastError.clear();

    const std::string tooLarge = "'" + name + "' is larger than " + std::to_string(MaxFileBytes) + " bytes";
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status))
        return Fail("'" + name + "' does not exist");
    // Directories and devices are refused before opening: a FIFO would block.
    if (!std::filesystem::is_regular_file(status))
        return Fail("'" + name + "' is not a regular file");
    const auto fileSize = std::filesystem::file_size(path, ec);
    if (ec)
        return Fail("cannot determine the size of '" + name + "'");
    if (fileSize > MaxFileBytes)
        return Fail(tooLarge);

    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Fail("cannot open '" + name + "'");
    // Read in chunks and stop at the limit, even if the file grew meanwhile.
    std::string bytes;
    std::string chunk(64 * 1024, '\0');
    while (in.read(&chunk[0], static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
        bytes.append(chunk, 0, static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > MaxFileBytes)
            return Fail(tooLarge);
    }
    if (in.bad())
        return Fail("read error in '" + name + "'");

    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t stop = bytes.find_first_of("\r\n", start);
        if (stop == std::string::npos)
            stop = bytes.size();
        if (stop - start > MaxLineBytes)
            return Fail("line " + std::to_string(entries.size() + 1) + " of '" + name + "' is longer than " +
                        std::to_string(MaxLineBytes) + " bytes");
        entries.push_back(ExpandLineBreaks(bytes.substr(start, stop - start)));
        if (stop + 1 < bytes.size() && bytes[stop] == '\r' && bytes[stop + 1] == '\n')
            ++stop;
        start = stop + 1;
    }
    m_entries = std::move(entries);
    return true;
}

const std::string& LanguageTable::Get(int n) const
{
    if (n < 1 || static_cast<std::size_t>(n) > m_entries.size()) {
        const std::string& builtIn = BuiltInText(n);
        return builtIn.empty() ? notDefined : builtIn;
    }
    return m_entries[static_cast<std::size_t>(n) - 1];
}

const std::string& LanguageTable::GetOr(int n, const std::string& fallback) const
{
    if (n < 1 || static_cast<std::size_t>(n) > m_entries.size())
        return fallback;
    return m_entries[static_cast<std::size_t>(n) - 1];
}

bool LanguageTable::Fail(const std::string& message)
{
    m_entries.clear();
    m_lastError = message;
    return false;
}
