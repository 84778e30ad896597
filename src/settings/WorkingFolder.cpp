#include "settings/WorkingFolder.h"

#include "settings/FileIo.h"
#include "settings/Md5.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <sstream>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Shipped files are small (the largest a recording of a few megabytes).
constexpr std::size_t kLargestShippedFile = std::size_t{256} << 20;
constexpr char kPristineFolder[] = ".shipped";
constexpr char kEarlierSums[] = ".earlier-shipped.md5";

bool IsHidden(const fs::path& name)
{
    const fs::path::string_type& text = name.native();
    return !text.empty() && text.front() == '.';
}

bool Read(const fs::path& path, std::vector<std::uint8_t>& bytes)
{
    std::string ignored;
    return ReadFileBytes(path, kLargestShippedFile, bytes, ignored);
}

bool SameContent(const fs::path& a, const fs::path& b)
{
    std::vector<std::uint8_t> first, second;
    return Read(a, first) && Read(b, second) && first == second;
}

bool Exists(const fs::path& path)
{
    std::error_code ignored;
    return fs::exists(fs::symlink_status(path, ignored));
}

std::set<std::string> EarlierSums(const fs::path& shipped)
{
    std::vector<std::uint8_t> bytes;
    std::set<std::string> lines;
    if (!Read(shipped / kEarlierSums, bytes))
        return lines;
    std::istringstream text(std::string(bytes.begin(), bytes.end()));
    for (std::string line; std::getline(text, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.insert(line);
    }
    return lines;
}

bool WasFirstReleased(const fs::path& mine, const fs::path& relative, const std::set<std::string>& earlier)
{
    std::vector<std::uint8_t> bytes;
    return !earlier.empty() && Read(mine, bytes) &&
           earlier.count(Md5Hex(bytes.data(), bytes.size()) + "  ./" + relative.generic_u8string()) > 0;
}

// Written like any save, so a start killed halfway leaves no half copy.
bool CopyIfDifferent(const fs::path& from, const fs::path& to, std::string& error)
{
    std::vector<std::uint8_t> bytes, present;
    if (!ReadFileBytes(from, kLargestShippedFile, bytes, error))
        return false;
    if (Read(to, present) && present == bytes)
        return true;
    return WriteFileAtomically(to, bytes.data(), bytes.size(), error);
}

bool MakeFolder(const fs::path& folder, std::string& error)
{
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        error = "Cannot create the folder \"" + PathForMessage(folder) + "\": " + ec.message() + ".";
    return !ec;
}

}  // namespace

bool UpdateWorkingFolder(const fs::path& shipped, const fs::path& folder, std::string& error)
{
    const fs::path pristine = folder / kPristineFolder;
    if (!MakeFolder(pristine, error))
        return false;
    const std::set<std::string> earlier = EarlierSums(shipped);

    std::error_code ec;
    for (fs::recursive_directory_iterator it(shipped, ec), end; !ec && it != end; it.increment(ec)) {
        if (IsHidden(it->path().filename())) {
            it.disable_recursion_pending();
            continue;
        }
        const fs::path relative = it->path().lexically_relative(shipped);
        std::error_code typeError;
        if (it->is_directory(typeError)) {
            if (!MakeFolder(folder / relative, error) || !MakeFolder(pristine / relative, error))
                return false;
            continue;
        }
        if (!it->is_regular_file(typeError))
            continue;
        const fs::path mine = folder / relative;
        const fs::path kept = pristine / relative;
        const bool unchanged =
            !Exists(mine) || (Exists(kept) ? SameContent(mine, kept) : WasFirstReleased(mine, relative, earlier));
        if (unchanged && !(CopyIfDifferent(it->path(), mine, error) && CopyIfDifferent(it->path(), kept, error)))
            return false;
    }
    if (ec) {
        error = "Cannot read the folder \"" + PathForMessage(shipped) + "\": " + ec.message() + ".";
        return false;
    }
    return true;
}

fs::path ShippedDataFolder(const fs::path& fromProgram)
{
    const fs::path program = ProgramFile();
    if (program.empty())
        return {};
    const fs::path data = (program.parent_path() / fromProgram).lexically_normal();
    std::error_code ec;
    return fs::is_directory(data, ec) ? data : fs::path();
}
