#include "cli/FileKinds.h"

#include "playback/Recording.h"

namespace {

bool EndsWith(const std::filesystem::path& path, const char* suffix)
{
    const std::filesystem::path::string_type& text = path.native();
    const std::filesystem::path::string_type ending = std::filesystem::path(suffix).native();
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

}  // namespace

FileKind KindOfFile(const std::filesystem::path& path)
{
    if (EndsWith(path, ".sd"))
        return FileKind::Case;
    if (HasRecordingExtension(path))
        return FileKind::Recording;
    if (EndsWith(path, ".sqs"))
        return FileKind::Quiz;
    return FileKind::Unknown;
}
